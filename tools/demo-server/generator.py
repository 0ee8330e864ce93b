"""Generates company-sized data sets, the same one for the same seed.

Settings text: "users=N,days=D,entries=E,seed=S"; a setting left out takes
its default (200 users, 31 days, 4 entries, seed 1). Days run from
2024-01-01; every user gets E working-time entries per day, and about one
day in twenty also a leave record. Every user logs in with the password
"secret" (user names user1, user2, ...).
"""

import datetime
import random

START = datetime.date(2024, 1, 1)
DEFAULTS = {"users": 200, "days": 31, "entries": 4, "seed": 1}
FIRST_NAMES = ["Anna", "Ben", "Chloé", "David", "Eva", "Farid", "Greta",
               "Hiro", "Inès", "Jonas", "Kateřina", "Liam", "Maja", "Noah"]
LAST_NAMES = ["Berg", "Costa", "Dubois", "Eriksen", "Fischer", "García",
              "Horvát", "Ivanova", "Jensen", "Kowalski", "O’Neill", "Weiß"]
LEAVE_TYPES = ["Vacation", "Sick Leave", "Public Holiday", "Training"]
BILLING_TYPES = [("Consulting", 1), ("Development", 1), ("Internal", 0),
                 ("Support : Premium", 1)]
TASK_NAMES = ["Design", "Development", "Testing", "Meetings", "Support"]


def parse_settings(text):
    """The generator's numbers from "users=N,days=D,..."; raises ValueError."""
    values = dict(DEFAULTS)
    for item in filter(None, text.split(",")):
        key, _, number = item.partition("=")
        if key.strip() not in DEFAULTS:
            raise ValueError(f"unknown generator setting {key!r}")
        values[key.strip()] = int(number)
    return values


def generate(users, days, entries, seed):
    rng = random.Random(seed)
    company = _company(rng, max(3, users // 10))
    people = [_user(rng, n) for n in range(1, users + 1)]
    for n in range(0, users - 1, 25):
        people[n]["duplicates"] = [people[n + 1]["id"]]
    task_ids = [t["id"] for t in company["tasks"]]
    company["users"] = people
    company["timeRecords"] = [
        _work_record(rng, u["id"], day, task_ids)
        for u in people for day in range(days) for _ in range(entries)]
    company["leaveRecords"] = [
        _leave_record(rng, u["id"], day, len(LEAVE_TYPES))
        for u in people for day in range(days) if rng.random() < 0.05]
    return company


def _company(rng, customers):
    projects = [{"id": 100 + n, "customerId": 1 + n % customers,
                 "name": f"Project {n + 1}", "description": ""}
                for n in range(customers * 2)]
    return {
        "terminology": {
            "firstLevelSingularForm": "Customer",
            "firstLevelPluralForm": "Customers",
            "secondLevelSingularForm": "Project",
            "secondLevelPluralForm": "Projects",
            "thirdLevelSingularForm": "Task",
            "thirdLevelPluralForm": "Tasks"},
        "customers": [{"id": 1 + n, "name": f"Customer {n + 1}",
                       "description": f"Generated customer {n + 1}"}
                      for n in range(customers)],
        "projects": projects,
        "billingTypes": [{"id": 1 + n, "name": name, "billable": billable}
                         for n, (name, billable) in enumerate(BILLING_TYPES)],
        "tasks": [{"id": 1000 + n, "projectId": p["id"],
                   "billingTypeId": 1 + rng.randrange(len(BILLING_TYPES)),
                   "name": TASK_NAMES[n % len(TASK_NAMES)], "description": ""}
                  for n, p in enumerate(projects * 3)],
        "leaveTypes": [{"id": 1 + n, "name": name}
                       for n, name in enumerate(LEAVE_TYPES)],
    }


def _user(rng, number):
    return {"id": number, "firstName": rng.choice(FIRST_NAMES),
            "middleInitial": "", "lastName": rng.choice(LAST_NAMES),
            "username": f"user{number}", "password": "secret"}


def _work_record(rng, user_id, day, task_ids):
    return {"userId": user_id, "taskId": rng.choice(task_ids),
            "date": _day(day), "spent": 15 * rng.randint(1, 16),
            "comment": f"Work item {rng.randrange(10000)}"}


def _leave_record(rng, user_id, day, type_count):
    return {"userId": user_id, "typeId": 1 + rng.randrange(type_count),
            "date": _day(day), "time": 60 * rng.choice([4, 8])}


def _day(offset):
    return (START + datetime.timedelta(days=offset)).isoformat()
