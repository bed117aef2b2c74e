#!/usr/bin/python
# -*- coding: utf-8 -*-
# SPDX-License-Identifier: MIT
# Copyright (c) 2026 Zelvora

from __future__ import absolute_import, division, print_function
__metaclass__ = type

DOCUMENTATION = r'''
---
module: sensor_profile
short_description: The desk's Ostraval presence sensor holds a profile
version_added: "1.1.0"
description:
  - Keeps the stored configuration of the Ostraval USB presence sensor on the
    desk on a profile, sets its keystrokes from a preset (a desktop's own lock
    and wake keys), or returns it to the factory configuration.
  - Works through C(ostraval-ctl), which must be installed on the desk. The
    profile is checked as a whole before anything is sent; the parameters are
    written and committed only when they differ from the stored ones.
  - A failed call commits nothing; the task then fails with the tool's own
    message, which names the failed call and the sensor's error number.
  - Stored values outside their bounds that the profile leaves in place are
    reported as warnings, as the tool gives them.
  - An answer of the tool that does not have the shape its JSON interface
    gives fails the task, naming the tool, the command and what was wrong;
    once the tool has said it changed the sensor, the task reports
    C(changed) even so.
  - The device library behind the tool takes its settings from the
    environment (for the simulated sensor C(KV3RAPI_SIM_STATE),
    C(KV3RAPI_SIM_UNPLUGGED), C(KV3RAPI_SIM_FAIL), C(KV3RAPI_SIM_LOG) and
    others, described in the manual page ostraval-config(1)). Give them with Ansible's
    C(environment) keyword, on the task, a block or the play, for example
    from host variables.
author:
  - Zelvora (@zelvora)
options:
  profile:
    description:
      - A profile in the format of C(ostraval-ctl export), as a dictionary.
      - Any field or section may be left out; it keeps the sensor's value.
      - C(format) and C(version) may be left out; the module supplies
        C(ostraval-profile) and C(1).
      - A whole number given as a text (C("10"), as templating such as
        C("{{ delay | int }}") makes it) is taken as the number, except in
        key names, modifier names and the header; any other text where a
        number belongs is refused.
      - Anything the tool cannot use (a value out of bounds, an unknown key
        name or member) fails the task before anything is sent; the result's
        C(problems) name each fault.
      - With I(preset), the preset's keystrokes replace the profile's
        C(walk_away.keys) and C(walk_up.keys).
      - I(state=present) needs I(profile), I(preset) or both; not used with
        I(state=factory).
    type: dict
  preset:
    description:
      - Sets the walk-away and walk-up keystrokes to a preset's, and nothing
        else (C(ostraval-ctl preset)); with I(profile), the profile's other
        fields are applied too.
      - The desktops' own lock keys as Debian 12 ships them, with a lone left
        Ctrl on walking up, which brings up the unlock prompt without typing
        into it (C(gnome), C(plasma), C(xfce), C(cinnamon), C(mate)); the
        window's logon presets (C(windows-2000), C(windows-xp-classic),
        C(xp-welcome-screen)); or C(this-desktop), the lock shortcut that the
        desktop session the tool runs in holds (it needs that session's
        C(XDG_CURRENT_DESKTOP), C(HOME) and D-Bus session in the task's
        C(environment)).
      - C(ostraval-ctl preset --list) names them with their keys. An unknown
        name, or a desktop shortcut the sensor cannot type, fails the task
        before anything is sent.
    type: str
  state:
    description:
      - C(present) writes and commits the fields of I(profile) that differ
        from the stored configuration.
      - C(factory) returns the sensor to its factory configuration; it sends
        nothing when the sensor already holds it.
    type: str
    choices: [present, factory]
    default: present
extends_documentation_fragment:
  - ansible.builtin.action_common_attributes
  - zelvora.ostraval.ctl
attributes:
  check_mode:
    support: full
    details:
      - Nothing is sent to the sensor (the tool's C(--check)); C(changed),
        C(changes) and the differences are reported as a real run would
        report them.
  diff_mode:
    support: full
    details:
      - "The stored configuration before and after, one field a line (for
        example C(walk_away_delay: 5)), so that C(--diff) shows exactly the
        fields that change. Keystrokes are shown as modifiers and key joined
        by C(+) (C(left-ctrl+left-alt+DELETE)), a key without a name as
        C(code 200), an empty position as C(none)."
notes:
  - The sensor is opened by one program at a time. While another program
    (the configuration window, another run of the tool) holds it, the task
    fails with the sensor's error 7.
seealso:
  - module: zelvora.ostraval.sensor_info
'''

EXAMPLES = r'''
- name: Apply the fleet's profile, read from a file on the controller
  zelvora.ostraval.sensor_profile:
    profile: "{{ lookup('ansible.builtin.file', 'profiles/desk.json') | from_json }}"

- name: Lock the screen on walking away, wait 10 seconds first
  zelvora.ostraval.sensor_profile:
    profile:
      walk_away_delay: 10
      walk_away:
        keys:
          - name: l
            mods: [left-gui]

- name: Lock GNOME on walking away and bring up its unlock prompt on walking up
  zelvora.ostraval.sensor_profile:
    preset: gnome

- name: Apply the fleet's profile with Plasma's lock and wake keys
  zelvora.ostraval.sensor_profile:
    profile: "{{ lookup('ansible.builtin.file', 'profiles/desk.json') | from_json }}"
    preset: plasma

- name: Return the sensor to its factory configuration
  zelvora.ostraval.sensor_profile:
    state: factory

- name: Apply a profile to a simulated sensor, its settings from host variables
  zelvora.ostraval.sensor_profile:
    profile: "{{ desk_profile }}"
    ctl: /opt/ostraval/bin/ostraval-ctl
  environment:
    KV3RAPI_SIM_STATE: "{{ sensor_state_file }}"
    KV3RAPI_SIM_LOG: "{{ sensor_call_log | default('') }}"

- name: Apply a profile, with every desk's environment from its host variables
  zelvora.ostraval.sensor_profile:
    profile: "{{ desk_profile }}"
  environment: "{{ ostraval_environment | default({}) }}"
'''

RETURN = r'''
changed:
  description: Whether the sensor's stored configuration changed (in check mode, would change).
  returned: always
  type: bool
changes:
  description: The fields that changed (in check mode, would change), in the order of the profile.
  returned: success
  type: list
  elements: dict
  contains:
    path:
      description: The field's path, as C(ostraval-ctl get) and C(set) take it.
      type: str
      sample: walk_away.keys[0]
    before:
      description: The stored value before.
      type: raw
      sample: null
    after:
      description: The stored value after.
      type: raw
      sample: {"name": "l", "mods": ["left-gui"]}
  sample: [{"path": "walk_away_delay", "before": 5, "after": 10}]
profile:
  description:
    - The sensor's stored configuration afterwards (in check mode, as it would be), as a whole profile in the
      format of C(ostraval-ctl export).
  returned: success
  type: dict
  sample:
    format: ostraval-profile
    version: 1
    detection_range: 36
    walk_away_delay: 10
    walk_up_delay: 2
    power_up_delay: 0
    leds: {"in_range": true, "out_of_range": true, "transition": true}
    idle: {"rate": 0, "key": null}
    walk_away: {"key_delay": 1, "keys": [{"name": "l", "mods": ["left-gui"]}]}
    walk_up: {"key_delay": 1, "keys": []}
    reserved: {"idle": [0, 0, 0, 0, 0], "walk_away": [0, 0, 0, 0], "walk_up": [0, 0, 0, 0], "led_flags": 0,
               "sonar": [0, 0, 0]}
preset:
  description:
    - With I(preset), the preset as the tool applied it - its C(name) and C(title), the C(walk_away) and C(walk_up)
      keys it set and, for a desktop, its lock C(shortcut) and whether it was read from the running desktop
      (C(shortcut_read)).
  returned: success, with I(preset)
  type: dict
  sample: {"name": "gnome", "title": "GNOME", "shortcut": "<Super>l", "shortcut_read": false,
           "walk_away": {"keys": [{"name": "l", "mods": ["left-gui"]}]},
           "walk_up": {"keys": [{"name": "NONE", "mods": ["left-ctrl"]}]}}
msg:
  description:
    - On failure, the tool's message, naming the failed call and the sensor's error number.
    - For an answer that does not fit, the tool, the command and what was wrong.
  returned: failure
  type: str
  sample: "WriteCfg failed: sensor error 2 (the sensor did not answer); nothing was committed: the stored
           configuration is as it was"
rc:
  description: On failure, the tool's exit status (2 refused, nothing sent; 3 the sensor failed or could not be reached).
  returned: failure
  type: int
  sample: 3
call:
  description: On failure of a library call, its name.
  returned: failure
  type: str
  sample: WriteCfg
errno:
  description: On failure of a library call, the sensor's error number.
  returned: failure
  type: int
  sample: 2
problems:
  description: On a refused profile, its faults, each with its field path, the value given, what is allowed and a message.
  returned: failure
  type: list
  elements: dict
  sample: [{"path": "detection_range", "value": 99, "allowed": "a whole number from 14 to 60",
            "message": "standard input: detection_range: 99 is not allowed: expected a whole number from 14 to 60"}]
'''

import json
import re

from ansible.module_utils.basic import AnsibleModule
from ansible.module_utils.six import string_types
from ansible_collections.zelvora.ostraval.plugins.module_utils.ostraval_ctl import (
    CHANGE_ANSWER,
    Ctl,
    configuration_texts,
)

PROFILE_HEADER = {'format': 'ostraval-profile', 'version': 1}

# Members whose values are texts in a profile: key names (some are digits),
# modifier names and the header's.
TEXT_MEMBERS = ('name', 'mods', 'format', '$schema')
WHOLE_NUMBER = re.compile(r'-?(0|[1-9][0-9]*)\Z')


def with_numbers(value, member=None):
    """The profile with every whole number given as a text ("10", as
    templating such as "{{ delay | int }}" makes it) taken as that number,
    except in members that hold texts. Anything else stays as it is, for the
    tool to take or refuse."""
    if isinstance(value, dict):
        return dict((name, with_numbers(item, name)) for name, item in value.items())
    if isinstance(value, list):
        return [with_numbers(item, member) for item in value]
    if isinstance(value, string_types) and member not in TEXT_MEMBERS and WHOLE_NUMBER.match(value):
        return int(value)
    return value


def profile_text(profile):
    """The profile as the tool reads it on standard input, its header supplied
    where left out."""
    complete = dict(PROFILE_HEADER)
    complete.update(with_numbers(profile))
    return json.dumps(complete)


def apply_profile(module, ctl):
    check = ['--check'] if module.check_mode else []
    profile, preset = module.params['profile'], module.params['preset']
    if preset is None:
        return ctl.answer(['import', '-'] + check, CHANGE_ANSWER, data=profile_text(profile))
    if profile is None:
        return ctl.answer(['preset', preset] + check, CHANGE_ANSWER)
    return ctl.answer(['preset', preset, '--profile', '-'] + check, CHANGE_ANSWER, data=profile_text(profile))


def reset_to_factory(module, ctl):
    return ctl.answer(['reset', '--check' if module.check_mode else '--yes'], CHANGE_ANSWER)


STATES = {
    'present': apply_profile,
    'factory': reset_to_factory,
}


def main():
    module = AnsibleModule(
        argument_spec=dict(
            profile=dict(type='dict'),
            preset=dict(type='str'),
            state=dict(type='str', default='present', choices=list(STATES)),
            ctl=dict(type='path', default='ostraval-ctl'),
        ),
        required_if=[('state', 'present', ('profile', 'preset'), True)],
        supports_check_mode=True,
    )
    if module.params['state'] == 'factory' and module.params['preset'] is not None:
        module.fail_json(msg='preset goes with state=present; state=factory returns every setting to its factory value')
    answer = STATES[module.params['state']](module, Ctl(module))
    result = dict(changed=answer['changed'], changes=answer['changes'], profile=answer['after'])
    if 'preset' in answer:
        result['preset'] = answer['preset']
    if module._diff:
        before, after = configuration_texts(answer)
        result['diff'] = dict(before=before, after=after)
    module.exit_json(**result)


if __name__ == '__main__':
    main()
