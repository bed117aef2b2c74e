#!/usr/bin/python
# -*- coding: utf-8 -*-
# SPDX-License-Identifier: MIT
# Copyright (c) 2026 Zelvora

from __future__ import absolute_import, division, print_function
__metaclass__ = type

DOCUMENTATION = r'''
---
module: sensor_info
short_description: Reads the desk's Ostraval presence sensor
version_added: "1.1.0"
description:
  - Reads the stored configuration of the Ostraval USB presence sensor on the
    desk, its firmware version and the distance it measures, without
    changing anything.
  - Works through C(ostraval-ctl show --json), which must be installed on the
    desk.
  - The device library behind the tool takes its settings from the
    environment (for the simulated sensor C(KV3RAPI_SIM_STATE) and others);
    give them with Ansible's C(environment) keyword.
author:
  - Zelvora (@zelvora)
extends_documentation_fragment:
  - ansible.builtin.action_common_attributes
  - zelvora.ostraval.ctl
attributes:
  check_mode:
    support: full
    details:
      - The sensor is only read, in check mode as in a real run.
  diff_mode:
    support: none
seealso:
  - module: zelvora.ostraval.sensor_profile
'''

EXAMPLES = r'''
- name: Read the sensor
  zelvora.ostraval.sensor_info:
  register: sensor

- name: Show the firmware version and the walk-away delay
  ansible.builtin.debug:
    msg: "Firmware {{ sensor.firmware }}, walk-away delay {{ sensor.profile.walk_away_delay }} s"

- name: Save each desk's configuration on the controller, as ostraval-ctl export writes it
  ansible.builtin.copy:
    content: "{{ sensor.profile | to_nice_json }}"
    dest: "backups/{{ inventory_hostname }}.json"
    mode: "0644"
  delegate_to: localhost

- name: Read a simulated sensor, its state file from a host variable
  zelvora.ostraval.sensor_info:
  environment:
    KV3RAPI_SIM_STATE: "{{ sensor_state_file }}"
'''

RETURN = r'''
profile:
  description: The sensor's stored configuration as a profile, as C(ostraval-ctl export) writes it.
  returned: success
  type: dict
  sample:
    format: ostraval-profile
    version: 1
    detection_range: 36
    walk_away_delay: 5
    walk_up_delay: 2
    power_up_delay: 0
    leds: {"in_range": true, "out_of_range": true, "transition": true}
    idle: {"rate": 0, "key": null}
    walk_away: {"key_delay": 1, "keys": []}
    walk_up: {"key_delay": 1, "keys": []}
    reserved: {"idle": [0, 0, 0, 0, 0], "walk_away": [0, 0, 0, 0], "walk_up": [0, 0, 0, 0], "led_flags": 0,
               "sonar": [0, 0, 0]}
firmware:
  description: The sensor's firmware version, as C(ostraval-ctl show) prints it.
  returned: success
  type: str
  sample: "01.10"
range:
  description: The distance measured when the sensor was read, in inches, and its in-range flags.
  returned: success
  type: dict
  contains:
    range:
      description: The measured distance in inches.
      type: int
    in_range:
      description: Whether the person is within the detection range, as the sensor reports it.
      type: bool
    in_range_pending:
      description: The sensor's in-range-pending flag, as it reports it.
      type: bool
    out_of_range_pending:
      description: The sensor's out-of-range-pending flag, as it reports it.
      type: bool
  sample: {"range": 20, "in_range": true, "in_range_pending": false, "out_of_range_pending": false}
msg:
  description: On failure, the tool's message, naming the failed call and the sensor's error number.
  returned: failure
  type: str
  sample: "cannot reach the sensor: USBConnect failed: sensor error 3 (no sensor is attached)"
rc:
  description: On failure, the tool's exit status.
  returned: failure
  type: int
  sample: 3
'''

from ansible.module_utils.basic import AnsibleModule
from ansible_collections.zelvora.ostraval.plugins.module_utils.ostraval_ctl import (
    SHOW_READINGS,
    Ctl,
    is_profile,
)

# The members that show adds to the profile.
READINGS = ('firmware', 'range')


def profile_problem(shown):
    """What is wrong with the profile in show's answer, or None."""
    profile = dict((name, value) for name, value in shown.items() if name not in [r[0] for r in SHOW_READINGS])
    return None if is_profile(profile) else 'the answer holds no profile (no "format" and "version")'


def main():
    module = AnsibleModule(
        argument_spec=dict(
            ctl=dict(type='path', default='ostraval-ctl'),
        ),
        supports_check_mode=True,
    )
    shown = Ctl(module).answer(['show'], SHOW_READINGS, whole=profile_problem)
    result = dict((name, shown.pop(name)) for name in READINGS)
    shown.pop('warnings')
    module.exit_json(changed=False, profile=shown, **result)


if __name__ == '__main__':
    main()
