# -*- coding: utf-8 -*-
# SPDX-License-Identifier: MIT
# Copyright (c) 2026 Zelvora
"""Runs ostraval-ctl for the modules and reads its answers in JSON.

The tool answers every command given --json with one JSON object on standard
output, a failure and the tool's warnings included; the modules read only
that, never the lines the tool prints for people. Before anything is sent,
the tool must state the JSON interface these modules read
(`ostraval-ctl --version --json`), and every answer is checked for the shape
that interface gives it: an answer that does not fit fails the task with a
message naming the tool, the command and what was wrong.
"""

from __future__ import absolute_import, division, print_function
__metaclass__ = type

import json
import os
import subprocess

from ansible.module_utils.six import integer_types, string_types

# The version of the tool's JSON answers that these modules read.
JSON_INTERFACE = 2

# The tool answers in one language whatever the desk's locale.
TOOL_ENVIRONMENT = {'LC_ALL': 'C.UTF-8', 'LANGUAGE': ''}

# The sensor's keystroke sequences have five positions each.
KEY_POSITIONS = 5

# Top-level members of a profile that name its format, not a setting.
HEADER_MEMBERS = ('$schema', 'format', 'version')


# --- The shapes of the answers ----------------------------------------------------

def is_bool(value):
    return isinstance(value, bool)


def is_whole(value):
    return isinstance(value, integer_types) and not isinstance(value, bool)


def is_text(value):
    return isinstance(value, string_types)


def is_texts(value):
    return isinstance(value, list) and all(is_text(item) for item in value)


def is_object(value):
    return isinstance(value, dict)


def is_profile(value):
    return is_object(value) and value.get('format') == 'ostraval-profile' and is_whole(value.get('version'))


def is_change(value):
    return is_object(value) and is_text(value.get('path')) and 'before' in value and 'after' in value


def is_changes(value):
    return isinstance(value, list) and all(is_change(change) for change in value)


def is_problems(value):
    return isinstance(value, list) and all(is_object(problem) and is_text(problem.get('message'))
                                           for problem in value)


# Each answer's members: (name, test, what it must be, required).
VERSION_ANSWER = (
    ('version', is_text, 'a text', True),
    ('interface', is_whole, 'a whole number', True),
)
ERROR_ANSWER = (
    ('status', is_whole, 'a whole number', True),
    ('message', is_text, 'a text', True),
    ('call', is_text, 'a text', False),
    ('errno', is_whole, 'a whole number', False),
    ('problems', is_problems, 'a list of problems, each with its message', False),
)
# import and reset: what changed, or would change with --check.
CHANGE_ANSWER = (
    ('changed', is_bool, 'true or false', True),
    ('check', is_bool, 'true or false', True),
    ('changes', is_changes, 'a list of changes, each with its path, before and after', True),
    ('before', is_profile, 'a profile', True),
    ('after', is_profile, 'a profile', True),
    ('warnings', is_texts, 'a list of texts', True),
)
# show: the profile with the readings and warnings beside its members.
SHOW_READINGS = (
    ('firmware', is_text, 'a text', True),
    ('range', is_object, 'an object', True),
    ('warnings', is_texts, 'a list of texts', True),
)


def brief(value):
    """A value as JSON, cut to a length that fits in a message."""
    text = json.dumps(value, sort_keys=True)
    return text if len(text) <= 80 else text[:77] + '...'


def shape_problem(answer, members):
    """What is wrong with `answer` for its members, or None when it fits."""
    for name, test, wanted, required in members:
        if name not in answer:
            if required:
                return 'the answer has no "%s"' % name
        elif not test(answer[name]):
            return 'the answer\'s "%s" is not %s: %s' % (name, wanted, brief(answer[name]))
    return None


# --- Running the tool ---------------------------------------------------------------

def ctl_command(module):
    """The tool to run: a path as given, or a name looked up in the desk's PATH."""
    ctl = module.params['ctl']
    if os.sep not in ctl:
        return module.get_bin_path(ctl, required=True)
    if not (os.path.isfile(ctl) and os.access(ctl, os.X_OK)):
        module.fail_json(msg='ctl: %s is not an executable file' % ctl)
    return ctl


def answer_of(stdout):
    """The one JSON object the tool printed, or None."""
    try:
        answer = json.loads(stdout)
    except ValueError:
        return None
    return answer if isinstance(answer, dict) else None


def last_line(text):
    lines = text.strip().splitlines()
    return lines[-1] if lines else ''


class Ctl(object):
    """ostraval-ctl on the desk, its JSON interface checked before any use."""

    def __init__(self, module):
        self.module = module
        self.path = ctl_command(module)
        self.check_interface()

    def execute(self, arguments, data=None):
        """(status, standard output, standard error) of the tool.

        The profile goes to its standard input through communicate(), which
        carries on when the tool stops reading early (a profile it refuses by
        its size), so that the tool's own answer and status are reported.
        module.run_command() would fail the task with the write's "Broken
        pipe" instead.
        """
        env = dict(os.environ)
        env.update(TOOL_ENVIRONMENT)
        try:
            process = subprocess.Popen([self.path] + list(arguments), stdin=subprocess.PIPE,
                                       stdout=subprocess.PIPE, stderr=subprocess.PIPE, env=env, close_fds=True)
            stdout, stderr = process.communicate(data.encode('utf-8') if data is not None else b'')
        except (OSError, IOError) as error:
            self.module.fail_json(msg='%s cannot be run: %s' % (self.path, error))
        return (process.returncode, stdout.decode('utf-8', 'replace'), stderr.decode('utf-8', 'replace'))

    def fail(self, arguments, problem, changed=False, **details):
        self.module.fail_json(msg='%s %s: %s' % (self.path, ' '.join(arguments), problem), changed=changed,
                              **details)

    def check_interface(self):
        arguments = ['--version', '--json']
        rc, stdout, stderr = self.execute(arguments)
        answer = answer_of(stdout)
        if rc != 0 or answer is None:
            said = last_line(stdout) or last_line(stderr)
            self.fail(arguments, 'states no JSON interface (status %d: %s); these modules read interface %d'
                      % (rc, brief(said), JSON_INTERFACE), rc=rc, stdout=stdout, stderr=stderr)
        problem = shape_problem(answer, VERSION_ANSWER)
        if problem:
            self.fail(arguments, problem, stdout=stdout)
        if answer['interface'] != JSON_INTERFACE:
            self.fail(arguments, 'the tool (release %s) answers in JSON interface %d; these modules read interface %d'
                      % (answer['version'], answer['interface'], JSON_INTERFACE))

    def answer(self, arguments, members, data=None, whole=None):
        """Runs the tool with `arguments` and --json; its answer as a dict.

        Fails the task when the tool fails or its answer does not fit
        `members` (`whole`, given the answer, tells whether the rest of it
        fits). Once the tool has said it changed the sensor, a failure is
        still reported as a change. The tool's warnings become the task's.
        """
        arguments = list(arguments) + ['--json']
        rc, stdout, stderr = self.execute(arguments, data)
        answer = answer_of(stdout)
        if answer is None:
            self.fail(arguments, 'ended with status %d without an answer in JSON' % rc, rc=rc, stdout=stdout,
                      stderr=stderr)
        if 'error' in answer:
            self.fail_with_error(arguments, rc, answer['error'], stdout)
        if rc != 0:
            self.fail(arguments, 'ended with status %d without naming an error' % rc, rc=rc, stdout=stdout,
                      stderr=stderr)
        problem = shape_problem(answer, members) or (whole and whole(answer))
        if problem:
            committed = answer.get('changed') is True and not self.module.check_mode
            self.fail(arguments, problem, changed=committed, stdout=stdout)
        for warning in answer['warnings']:
            self.module.warn(warning)
        return answer

    def fail_with_error(self, arguments, rc, error, stdout):
        """Fails the task with the tool's own message and the details it gave
        (its standard error repeats the message)."""
        problem = 'the answer\'s "error" is not an object: %s' % brief(error) if not is_object(error) \
            else shape_problem(error, ERROR_ANSWER)
        if problem:
            self.fail(arguments, problem, rc=rc, stdout=stdout)
        details = dict((key, error[key]) for key in ('call', 'errno', 'problems') if key in error)
        self.module.fail_json(msg=error['message'], rc=rc, **details)


# --- Texts for diff mode ------------------------------------------------------------

def keystroke_text(keystroke):
    """A keystroke on one line: "left-ctrl+left-alt+DELETE", "code 200", "none"."""
    if not isinstance(keystroke, dict):
        return 'none'
    mods = keystroke.get('mods', [])
    parts = list(mods) if isinstance(mods, list) else ['mods %s' % mods]
    parts.append(keystroke['name'] if 'name' in keystroke else 'code %s' % keystroke.get('code'))
    return '+'.join(parts)


def value_text(path, value):
    if path.endswith(']') or path.endswith('.key'):
        return keystroke_text(value)
    return json.dumps(value, sort_keys=True)


def field_lines(value, path=''):
    """(path, text) for every field of a profile section, keystroke positions
    included whether set or not, so that a key added or removed is one
    changed line."""
    if isinstance(value, dict) and not path.endswith(']') and not path.endswith('.key'):
        lines = []
        for name in sorted(value):
            lines.extend(field_lines(value[name], '%s.%s' % (path, name) if path else name))
        return lines
    if path.endswith('.keys') and isinstance(value, list):
        positions = value + [None] * (KEY_POSITIONS - len(value))
        return [('%s[%d]' % (path, i), keystroke_text(key)) for i, key in enumerate(positions)]
    return [(path, value_text(path, value))]


def configuration_texts(answer):
    """The before and after texts of a changing command's answer, one field a
    line ("walk_away_delay: 5"). A change no profile field shows (a stored key
    count mended) is added as a line of its own."""
    texts = []
    for side in ('before', 'after'):
        profile = dict((name, value) for name, value in answer[side].items() if name not in HEADER_MEMBERS)
        texts.append(field_lines(profile))
    shown = set(path for path, _ in texts[0])
    for change in answer['changes']:
        if change['path'] not in shown:
            for lines, side in zip(texts, ('before', 'after')):
                lines.append((change['path'], value_text(change['path'], change[side])))
    return tuple(''.join('%s: %s\n' % line for line in lines) for lines in texts)
