"""The control endpoint's commands (POST /control, a JSON object):

    {"command": "set", "knobs": {...}}   change knobs; replies {"knobs": {...}}
    {"command": "reset"}                 start-up knobs again; replies the same
    {"command": "requests"}              replies {"requests": [...]}
    {"command": "clear"}                 forgets the recorded requests
"""

from knobs import KnobError


class ControlError(ValueError):
    pass


def run_command(command, board, recorder):
    if not isinstance(command, dict):
        raise ControlError("the command must be a JSON object")
    name = command.get("command")
    try:
        if name == "set":
            return {"knobs": board.change(command.get("knobs", {}))}
        if name == "reset":
            return {"knobs": board.reset()}
        if name == "requests":
            return {"requests": recorder.entries()}
        if name == "clear":
            recorder.clear()
            return {}
    except KnobError as problem:
        raise ControlError(str(problem)) from None
    raise ControlError(f"unknown command {name!r}")
