# -*- coding: utf-8 -*-
# SPDX-License-Identifier: MIT
# Copyright (c) 2026 Zelvora
"""Runs ostraval-ctl for the modules and reads its answers in JSON.

The tool answers every command given --json with one JSON object on standard
output, a failure included; the modules read only that, never the lines the
tool prints for people.
"""

from __future__ import absolute_import, division, print_function
__metaclass__ = type

import json
import os

# The sensor's keystroke sequences have five positions each.
KEY_POSITIONS = 5

# Top-level members of a profile that name its format, not a setting.
HEADER_MEMBERS = ('$schema', 'format', 'version')

WARNING_PREFIX = 'ostraval-ctl: warning: '


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


def fail_with_error(module, rc, error):
    """Fails the task with the tool's own message and the details it gave
    (its standard error repeats the message)."""
    details = dict((key, error[key]) for key in ('call', 'errno', 'problems') if key in error)
    module.fail_json(msg=error.get('message') or 'ostraval-ctl failed', rc=rc, **details)


def run_ctl(module, arguments, data=None):
    """Runs the tool with `arguments` and --json; its answer as a dict.

    Fails the task when the tool fails or gives no answer it can read. The
    tool's warnings (a stored value outside its bounds) become the task's.
    """
    command = [ctl_command(module)] + list(arguments) + ['--json']
    rc, stdout, stderr = module.run_command(command, data=data, expand_user_and_vars=False)
    answer = answer_of(stdout)
    if answer is not None and isinstance(answer.get('error'), dict):
        fail_with_error(module, rc, answer['error'])
    if rc != 0 or answer is None:
        module.fail_json(msg='ostraval-ctl ended with status %d without an answer in JSON' % rc,
                         rc=rc, stdout=stdout, stderr=stderr)
    for line in stderr.splitlines():
        if line.startswith(WARNING_PREFIX):
            module.warn(line[len(WARNING_PREFIX):])
    return answer


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
    for change in answer.get('changes', []):
        if change['path'] not in shown:
            for lines, side in zip(texts, ('before', 'after')):
                lines.append((change['path'], value_text(change['path'], change[side])))
    return tuple(''.join('%s: %s\n' % line for line in lines) for lines in texts)
