#!/usr/bin/env python3
"""The profile schema against ostraval-ctl, validated with Debian's
python3-jsonschema (draft 2020-12):

- profiles generated from the schema import onto sensors in any state;
- the export of each such sensor is valid under the schema exactly when the
  tool imports it again, and always when the sensor holds a whole generated
  profile;
- profiles that the tool refuses for their structure, types or bounds are
  invalid under the schema too;
- texts at the edges of JSON are taken by the tool exactly when a strict
  reading (Python's json without NaN and Infinity, strict UTF-8) finds JSON
  and the schema finds it valid.
"""
import argparse
import copy
import json
import os
import random
import subprocess
import sys
import tempfile

import jsonschema

ROUNDS = 150


class Tool:
    def __init__(self, ctl, folder):
        self.ctl = ctl
        self.state = os.path.join(folder, "sensor.bin")
        self.profile = os.path.join(folder, "profile.json")
        self.env = dict(os.environ, KV3RAPI_SIM_STATE=self.state)
        for name in ("KV3RAPI_SIM_FAIL", "KV3RAPI_SIM_UNPLUGGED", "KV3RAPI_SIM_LOG"):
            self.env.pop(name, None)

    def run(self, *args):
        return subprocess.run([self.ctl, *args], env=self.env, capture_output=True, text=True, timeout=60)

    def imports(self, profile, check=True):
        if isinstance(profile, bytes):
            text = profile
        else:
            text = (profile if isinstance(profile, str) else json.dumps(profile)).encode("utf-8")
        with open(self.profile, "wb") as out:
            out.write(text)
        result = self.run("import", self.profile, *(["--check"] if check else []))
        if result.returncode not in (0, 2):
            sys.exit("import ended with %d: %s" % (result.returncode, result.stderr))
        return result

    def exported(self):
        result = self.run("export")
        if result.returncode != 0:
            sys.exit("export failed: " + result.stderr)
        return json.loads(result.stdout)


class Generator:
    """Random instances of the schema's own constructs."""

    def __init__(self, schema, rng):
        self.schema = schema
        self.rng = rng

    def resolve(self, node):
        while "$ref" in node:
            node = self.schema["$defs"][node["$ref"].rsplit("/", 1)[1]]
        return node

    def value(self, node, whole):
        node = self.resolve(node)
        if "const" in node:
            return node["const"]
        if "enum" in node:
            return self.rng.choice(node["enum"])
        kind = node.get("type")
        if isinstance(kind, list):
            kind = self.rng.choice(kind)
        if kind == "null":
            return None
        if kind == "boolean":
            return self.rng.random() < 0.5
        if kind == "integer":
            step = node.get("multipleOf", 1)
            return step * self.rng.randint(-(-node["minimum"] // step), node["maximum"] // step)
        if kind == "array":
            count = self.rng.randint(node.get("minItems", 0), node.get("maxItems", 3))
            return [self.value(node["items"], whole) for _ in range(count)]
        if kind == "object":
            return self.object(node, whole)
        raise ValueError("no generator for %r" % node)

    def object(self, node, whole):
        properties = dict(node["properties"])
        required = set(node.get("required", []))
        branches = [b for b in node.get("anyOf", []) if b.get("type") != "null"]
        branch = self.rng.choice(branches) if branches else {}
        required |= set(branch.get("required", []))
        properties.update(branch.get("properties", {}))
        result = {}
        for name, child in properties.items():
            if not self.generable(child):
                continue
            if name in required or whole or self.rng.random() < 0.6:
                result[name] = self.value(child, whole)
        # Beyond the schema: a key given by both name and code must be one
        # key, so a keystroke keeps only the one its branch asks for.
        if "code" in result and "name" in result:
            result.pop("name" if "code" in required else "code")
        return result

    def generable(self, node):
        node = self.resolve(node)
        return any(key in node for key in ("const", "enum", "type"))


# Profiles refused for their structure, types or bounds; each is given on top
# of a valid header unless it replaces the whole text.
REFUSED = [
    ("not an object", []),
    ("no header", {}),
    ("another format", {"format": "other", "version": 1}),
    ("newer version", {"format": "ostraval-profile", "version": 2}),
    ("range below", {"detection_range": 13}),
    ("range above", {"detection_range": 61}),
    ("range as text", {"detection_range": "36"}),
    ("fraction", {"walk_away_delay": 2.5}),
    ("negative delay", {"walk_up_delay": -1}),
    ("rate above", {"idle": {"rate": 256}}),
    ("LED as a number", {"leds": {"in_range": 1}}),
    ("section not an object", {"leds": True}),
    ("unknown field", {"colour": "red"}),
    ("unknown section field", {"walk_away": {"delay": 1}}),
    ("six keys", {"walk_up": {"keys": [None] * 6}}),
    ("keystroke a number", {"walk_up": {"keys": [5]}}),
    ("keystroke as text", {"idle": {"key": "a"}}),
    ("keystroke without a key", {"idle": {"key": {"mods": []}}}),
    ("code above", {"idle": {"key": {"code": 256}}}),
    ("unknown key name", {"idle": {"key": {"name": "DEL"}}}),
    ("name of two keys alone", {"idle": {"key": {"name": "("}}}),
    ("unknown modifier", {"idle": {"key": {"code": 4, "mods": ["left-cmd"]}}}),
    ("modifiers as a number", {"idle": {"key": {"code": 4, "mods": 5}}}),
    ("unknown keystroke field", {"idle": {"key": {"code": 4, "shift": True}}}),
    ("reserved words too few", {"reserved": {"idle": [0, 0]}}),
    ("reserved word above", {"reserved": {"sonar": [0, 0, 70000]}}),
    ("LED bits among the reserved ones", {"reserved": {"led_flags": 9}}),
]


HEADER = b'{"format": "ostraval-profile", "version": 1, '

# Texts at the edges of JSON, each a whole profile; a strict reading and the
# schema decide whether the tool must take it.
EDGES = [
    ("escape JSON does not have", b'{"format": "ostraval-profil\\e", "version": 1}'),
    ("escapes in a member name", HEADER + b'"\\D\\E\\L\\E\\T\\E": 1}'),
    ("tab in a string", b'{"format": "ostraval-profile\t", "version": 1}'),
    ("control character in a member name", HEADER + b'"walk_away_delay\x01": 1}'),
    ("line break in the schema's name", HEADER + b'"$schema": "a\nb"}'),
    ("number too small for a double", HEADER + b'"walk_away_delay": 1e-400}'),
    ("number too small for a double, out of bounds", HEADER + b'"detection_range": -1e-400}'),
    ("number too small for a double yet not 0", HEADER + b'"walk_away_delay": 5e-324}'),
    ("huge number as the schema", HEADER + b'"$schema": 1e400}'),
    ("anything as the schema", HEADER + b'"$schema": {"a": [-1e999, "\\ud800", 1e-400]}}'),
    ("huge number in a field", HEADER + b'"detection_range": 1e400}'),
    ("whole number with a fraction part", HEADER + b'"walk_away_delay": 20.0}'),
    ("number ending in a point", HEADER + b'"walk_away_delay": 20.}'),
    ("NaN as the schema", HEADER + b'"$schema": NaN}'),
    ("comma before the closing brace", HEADER + b'"walk_away_delay": 2,}'),
    ("bytes that are not UTF-8", HEADER + b'"$schema": "\xc0\xaf"}'),
    ("a surrogate in UTF-8", HEADER + b'"$schema": "\xed\xa0\x80"}'),
    ("byte order mark", b"\xef\xbb\xbf" + HEADER + b'"walk_away_delay": 2}'),
    ("single quotes", b"{'format': 'ostraval-profile', 'version': 1}"),
    ("more after the object", HEADER + b'"walk_away_delay": 2} {}'),
]


def strict_json(text):
    """Whether bytes are JSON as RFC 8259 writes it, and their value."""
    def no_constant(name):
        raise ValueError(name)
    if text.startswith(b"\xef\xbb\xbf"):  # RFC 8259 lets a reader ignore it
        text = text[3:]
    try:
        return True, json.loads(text.decode("utf-8"), parse_constant=no_constant)
    except ValueError:  # UnicodeDecodeError and JSONDecodeError among them
        return False, None


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--ctl", required=True)
    parser.add_argument("--schema", required=True)
    args = parser.parse_args()
    with open(args.schema, encoding="utf-8") as text:
        schema = json.load(text)
    jsonschema.Draft202012Validator.check_schema(schema)
    validator = jsonschema.Draft202012Validator(schema)
    rng = random.Random(14)
    generator = Generator(schema, rng)
    failures = []

    with tempfile.TemporaryDirectory() as folder:
        tool = Tool(args.ctl, folder)
        for round_ in range(ROUNDS):
            # A sensor in any state, random stored bytes included.
            with open(tool.state, "wb") as state:
                state.write(bytes(rng.randrange(256) for _ in range(96)))
            whole = round_ % 2 == 0
            profile = generator.value(schema, whole)
            if not validator.is_valid(profile):
                sys.exit("the generator made a profile the schema refuses: %s" % json.dumps(profile))
            result = tool.imports(profile, check=False)
            if result.returncode != 0:
                failures.append("valid profile refused: %s\n%s" % (json.dumps(profile), result.stderr))
                continue
            exported = tool.exported()
            valid = validator.is_valid(exported)
            imported = tool.imports(exported).returncode == 0
            if valid != imported or (whole and not valid):
                errors = "; ".join(e.message for e in validator.iter_errors(exported))
                failures.append("export valid %s, imported %s%s: %s"
                                % (valid, imported, " (whole profile)" if whole else "", errors))

        header = {"format": "ostraval-profile", "version": 1}
        for name, fields in REFUSED:
            profile = fields if not isinstance(fields, dict) or not fields or "format" in fields \
                else dict(copy.deepcopy(header), **fields)
            if validator.is_valid(profile):
                failures.append("%s: valid under the schema: %s" % (name, json.dumps(profile)))
            if tool.imports(profile).returncode != 2:
                failures.append("%s: not refused by the tool" % name)

        for name, text in EDGES:
            is_json, value = strict_json(text)
            expected = is_json and validator.is_valid(value)
            taken = tool.imports(text).returncode == 0
            if taken != expected:
                failures.append("%s: JSON %s, valid %s, taken by the tool %s: %r"
                                % (name, is_json, expected, taken, text))

        named = dict(header, **{"$schema": schema["$id"]})
        if not validator.is_valid(named) or tool.imports(named).returncode != 0:
            failures.append("a profile that names its schema is not taken")

    if failures:
        print("\n".join(failures[:20]))
        return 1
    print("ok: %d generated profiles, %d refused ones, %d texts at the edges of JSON"
          % (ROUNDS, len(REFUSED), len(EDGES)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
