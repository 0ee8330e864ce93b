#!/bin/sh
# Fails when an #include "..." runs up against the layers, naming the file, line and include.
# The engine, bottom to top: value, document, layout, paint, window, api; it includes nothing
# outside itself. The program, bottom to top: core, json, connectors, app, ui, where ui reaches
# the connectors only through app and is itself layered toolkit, shared, dialogs, main; it reaches the engine only through the C interface's headers
# (htmlengine/api/Engine*.h), which every layer of both may include, and never includes tools/.
# tests/, bench/ and tools/ may include anything.
set -eu
cd "$(dirname "$0")/.."
exec python3 - <<'EOF'
import fnmatch, os, re, sys

ENGINE = ["value", "document", "layout", "paint", "window", "api"]
UI = ["toolkit", "shared", "dialogs", "main"]
# What each folder of the program may include of the program.
PROGRAM = {
    "core": {"core"},
    "json": {"json", "core"},
    "connectors": {"connectors", "json", "core"},
    "app": {"app", "connectors", "json", "core"},
    "ui": {"ui", "app", "json", "core"},
}
INCLUDE = re.compile(r'\s*#\s*include\s+"([^"]+)"')


def is_engine_interface(path):
    return fnmatch.fnmatch(path, "htmlengine/api/Engine*.h")


def offence(includer, included):
    """Why `includer` may not include `included`, or None when it may."""
    top, sub = includer.split("/")[:2]
    target = included.split("/")
    if top == "htmlengine":
        if target[0] != "htmlengine":
            return "the engine includes only itself"
        if is_engine_interface(included) or len(target) < 3:
            return None
        if target[1] not in ENGINE or ENGINE.index(target[1]) > ENGINE.index(sub):
            return "engine's %s/ may not reach up to %s/" % (sub, target[1])
        return None
    if target[0] == "tools":
        return "the program includes nothing from tools/"
    if target[0] == "htmlengine":
        return None if is_engine_interface(included) else "the program reaches the engine only through htmlengine/api/Engine*.h"
    if target[0] in PROGRAM and target[0] not in PROGRAM[top]:
        return "%s/ may not reach %s/" % (top, target[0])
    if top == "ui" and target[0] == "ui" and len(target) > 2 and UI.index(target[1]) > UI.index(sub):
        return "ui/%s/ may not reach up to ui/%s/" % (sub, target[1])
    return None


def resolve(includer, name):
    beside = os.path.normpath(os.path.join(os.path.dirname(includer), name))
    return beside if os.path.exists(beside) else os.path.normpath(name)


offences = []
for top in ["htmlengine"] + list(PROGRAM):
    for folder, _, files in os.walk(top):
        for file in sorted(files):
            if not file.endswith((".h", ".hpp", ".c", ".cpp", ".rc")):
                continue
            path = os.path.join(folder, file)
            with open(path, encoding="utf-8", errors="replace") as source:
                for number, line in enumerate(source, 1):
                    match = INCLUDE.match(line)
                    if match:
                        included = resolve(path, match.group(1))
                        why = offence(path, included)
                        if why:
                            offences.append('%s:%d: #include "%s": %s' % (path, number, match.group(1), why))

if offences:
    print("includes against the layers:")
    print("\n".join(sorted(offences)))
    sys.exit(1)
EOF
