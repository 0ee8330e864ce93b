"""The seven RPC methods: login by challenge and response, then the data."""

import datetime
import re
from dataclasses import dataclass
from typing import Optional

from literal import LiteralError, parse_request
from loginhash import login_hash, lower_ascii

TRACE_PREFIX = "com.brenholt.quorvane"
NO_RIGHTS_TRACE = (TRACE_PREFIX + ".services.QBService_v1$"
                   "NoGenerateCostAndBillingReportsRightException")
PROTOCOL_ERROR = 591
NOT_LOGGED_IN = 401
_DATE = re.compile(r"(\d+)\D(\d+)\D(\d+)")


class RpcFault(Exception):
    """A failure answered with the protocol's error reply."""

    def __init__(self, code, trace):
        super().__init__(trace)
        self.code = code
        self.trace = trace


def error_reply(code, trace):
    return {"error": {"code": code, "msg": trace.split(":")[0], "trace": trace}}


@dataclass
class Reply:
    payload: dict
    new_session: Optional[str] = None


class RpcService:
    def __init__(self, dataset, board, sessions):
        self.dataset = dataset
        self.board = board
        self.sessions = sessions
        self._methods = {
            "LoginService.getChallenge": (self._challenge, False),
            "LoginService.login": (self._login, False),
            "SyncService_v1.getGeneralSettings": (self._settings, True),
            "QBService_v1.getUsersToImport": (self._users_to_import, True),
            "QBService_v1.getUsersInfoWithDuplicates": (self._users_info, True),
            "QBService_v1.getUserTimeTrack": (self._time_track, True),
            "QBService_v1.getAllLeaveTypes": (self._leave_types, True),
        }

    def answer_text(self, text, session_id):
        """(method, reply) of one request body; no method when unreadable."""
        try:
            method, params = parse_request(text)
        except LiteralError as problem:
            return None, Reply(error_reply(
                PROTOCOL_ERROR,
                f"{TRACE_PREFIX}.rpc.UnreadableRequestException: {problem}"))
        return method, self.answer(method, params, session_id)

    def answer(self, method, params, session_id):
        """The reply to one call; failures become error replies."""
        try:
            handler, needs_login = self._handler(method)
            session = self.sessions.find(session_id)
            if needs_login and self.board.current()["auth"]:
                _require_login(session)
            return handler(params, session)
        except RpcFault as fault:
            return Reply(error_reply(fault.code, fault.trace))

    def _handler(self, method):
        if method not in self._methods:
            raise RpcFault(PROTOCOL_ERROR, f"{TRACE_PREFIX}.rpc."
                           f"NoSuchMethodException: {method}")
        return self._methods[method]

    def _challenge(self, params, session):
        knobs = self.board.current()
        opened = self.sessions.open()
        result = {"build": knobs["build"], "version": knobs["version"],
                  "sessionId": opened.session_id,
                  "challengeValue": opened.challenge}
        return Reply({"result": result}, new_session=opened.session_id)

    def _login(self, params, session):
        user_name, sent_hash = _texts(params, 2)
        knobs = self.board.current()
        if session is None and not knobs["auth"]:
            session = self.sessions.latest()
        account = self.dataset.account(user_name, lower_ascii)
        code = knobs["loginResult"] or _login_check(account, user_name,
                                                    sent_hash, session)
        if code != "ok" or account is None:
            return Reply({"result": _login_result(code, -1, knobs)})
        if session is not None:
            session.user_id = account["id"]
        return Reply({"result": _login_result(code, account["id"], knobs)})

    def _settings(self, params, session):
        return Reply({"result": self.dataset.terminology})

    def _users_to_import(self, params, session):
        start, end = (_date(t) for t in _texts(params, 2))
        return Reply({"result": self.dataset.users_with_time(start, end)})

    def _users_info(self, params, session):
        if len(params) != 1 or not isinstance(params[0], list) or not all(
                isinstance(i, int) for i in params[0]):
            raise _bad_params("expected one array of user ids")
        return Reply({"result": self.dataset.users_info(params[0])})

    def _time_track(self, params, session):
        user_text, start, end = _texts(params, 3)
        if not re.fullmatch(r"-?\d+", user_text):
            raise _bad_params(f"user id {user_text!r} is not a number")
        result = self.dataset.time_track(int(user_text), _date(start),
                                         _date(end))
        return Reply({"result": result})

    def _leave_types(self, params, session):
        return Reply({"result": self.dataset.leave_types()})


def _require_login(session):
    if session is None or session.user_id is None:
        raise RpcFault(NOT_LOGGED_IN, f"{TRACE_PREFIX}.services."
                       "NotAuthenticatedException: log in first")


def _login_check(account, user_name, sent_hash, session):
    if account is None or session is None:
        return "error_authentication_failed"
    expected = login_hash(user_name, account.get("password", ""),
                          session.challenge)
    if sent_hash != expected:
        return "error_authentication_failed"
    return "error_account_disabled" if account.get("disabled") else "ok"


def _login_result(code, user_id, knobs):
    return {"resultCode": code, "userId": user_id,
            "serverUUID": knobs["serverUUID"],
            "availableServices": knobs["services"]}


def _texts(params, count):
    if len(params) != count or not all(isinstance(p, str) for p in params):
        raise _bad_params(f"expected {count} strings")
    return params


def _date(text):
    match = _DATE.fullmatch(text)
    try:
        return datetime.date(*(int(part) for part in match.groups()))
    except (AttributeError, ValueError):
        raise _bad_params(f"{text!r} is not a date") from None


def _bad_params(problem):
    return RpcFault(PROTOCOL_ERROR,
                    f"{TRACE_PREFIX}.rpc.InvalidParametersException: {problem}")
