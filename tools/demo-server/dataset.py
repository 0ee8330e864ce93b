"""A company's server data and the queries the RPC methods answer from it.

File format (JSON): "terminology" (the six level names), "users" (id,
firstName, middleInitial, lastName, username, password, optional
"duplicates" ids and "disabled"), "customers", "projects", "billingTypes",
"tasks", "leaveTypes" as the server sends them, and "timeRecords" (userId,
taskId, date, spent, comment) and "leaveRecords" (userId, typeId, date, time)
with ISO dates. References are not checked: a data set may dangle on purpose.
"""

import datetime
import json
import os

DATA_DIR = os.path.join(os.path.dirname(os.path.abspath(__file__)), "data")
USER_MEMBERS = ("id", "firstName", "middleInitial", "lastName", "username")
LIST_NAMES = ("customers", "projects", "billingTypes", "tasks", "leaveTypes")


def load_file(name_or_path):
    """A data set by name (a file in data/) or by path."""
    path = name_or_path
    if not os.path.exists(path):
        path = os.path.join(DATA_DIR, name_or_path + ".json")
    with open(path, encoding="utf-8") as file:
        return json.load(file)


def weeks_to_today(content, today):
    """Whole weeks that move the latest record into today's week, so that
    weekdays stay weekdays."""
    dates = [_date(r["date"]) for r in _records(content)]
    if not dates:
        return 0
    latest = max(dates)
    monday = today - datetime.timedelta(days=today.weekday())
    latest_monday = latest - datetime.timedelta(days=latest.weekday())
    return (monday - latest_monday).days // 7


def _records(content):
    return content.get("timeRecords", []) + content.get("leaveRecords", [])


def _date(text):
    return datetime.date.fromisoformat(text)


class DataSet:
    def __init__(self, content, shift_weeks=0):
        shift = datetime.timedelta(weeks=shift_weeks)
        self.terminology = dict(content.get("terminology", {}))
        self.users = list(content.get("users", []))
        self._users_by_id = {u["id"]: u for u in self.users}
        self._lists = {name: list(content.get(name, [])) for name in LIST_NAMES}
        self._work = _by_user(content.get("timeRecords", []), shift)
        self._leave = _by_user(content.get("leaveRecords", []), shift)

    def account(self, user_name, lower):
        """The user whose name matches under the given case folding."""
        wanted = lower(user_name)
        for user in self.users:
            if lower(user.get("username", "")) == wanted:
                return user
        return None

    def users_with_time(self, start, end):
        return [u["id"] for u in self.users
                if _any_within(self._work.get(u["id"], []), start, end)
                or _any_within(self._leave.get(u["id"], []), start, end)]

    def users_info(self, ids):
        entries = {}
        for user_id in ids:
            user = self._users_by_id.get(user_id)
            if user is None or str(user_id) in entries:
                continue
            duplicates = [self._users_by_id[d] for d in user.get("duplicates", [])
                          if d in self._users_by_id]
            entries[str(user_id)] = {
                "userInfo": _user_info(user),
                "duplicatesInfo": [_user_info(d) for d in duplicates]}
        return {"map": entries}

    def time_track(self, user_id, start, end):
        work = _within(self._work.get(user_id, []), start, end)
        leave = _within(self._leave.get(user_id, []), start, end)
        tasks = self._referenced("tasks", {r["taskId"] for r in work})
        projects = self._referenced("projects", {t["projectId"] for t in tasks})
        return {
            "tasks": tasks,
            "projects": projects,
            "customers": self._referenced(
                "customers", {p["customerId"] for p in projects}),
            "billingTypes": self._referenced(
                "billingTypes", {t["billingTypeId"] for t in tasks}),
            "TTRecords": [_wire(r, "userId") for r in work],
            "leaveTypes": self._referenced("leaveTypes",
                                           {r["typeId"] for r in leave}),
            "leaveRecords": [_wire(r, "userId") for r in leave],
        }

    def leave_types(self):
        return list(self._lists["leaveTypes"])

    def _referenced(self, name, ids):
        return [item for item in self._lists[name] if item["id"] in ids]


def _by_user(records, shift):
    grouped = {}
    for record in records:
        moved = dict(record, date=_date(record["date"]) + shift)
        grouped.setdefault(record["userId"], []).append(moved)
    return grouped


def _any_within(records, start, end):
    return any(start <= r["date"] <= end for r in records)


def _within(records, start, end):
    return [r for r in records if start <= r["date"] <= end]


def _user_info(user):
    return {key: user.get(key, "") for key in USER_MEMBERS}


def _wire(record, *dropped):
    wire = {k: v for k, v in record.items() if k not in dropped}
    wire["date"] = record["date"].isoformat()
    return wire
