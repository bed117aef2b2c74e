# -*- coding: utf-8 -*-
# SPDX-License-Identifier: MIT
# Writes every task result to the file named by OSTRAVAL_RESULT_LOG, one JSON
# object a line ({"play", "task", "host", "status", "result"}), for the
# collection's tests to read beside the screen output.

from __future__ import absolute_import, division, print_function
__metaclass__ = type

DOCUMENTATION = r'''
name: result_log
type: notification
short_description: Every task result as one JSON line
description: Writes every task result to the file named by OSTRAVAL_RESULT_LOG.
requirements: []
'''

import json
import os

from ansible.plugins.callback import CallbackBase


class CallbackModule(CallbackBase):
    CALLBACK_VERSION = 2.0
    CALLBACK_TYPE = 'notification'
    CALLBACK_NAME = 'result_log'
    CALLBACK_NEEDS_ENABLED = True

    def __init__(self):
        super(CallbackModule, self).__init__()
        self._play = ''

    def v2_playbook_on_play_start(self, play):
        self._play = play.get_name()

    def _log(self, result, status):
        entry = {'play': self._play, 'task': result._task.get_name(), 'host': result._host.get_name(),
                 'status': status, 'result': result._result}
        with open(os.environ['OSTRAVAL_RESULT_LOG'], 'a') as log:
            log.write(json.dumps(entry, default=str) + '\n')

    def v2_runner_on_ok(self, result):
        self._log(result, 'changed' if result._result.get('changed') else 'ok')

    def v2_runner_on_failed(self, result, ignore_errors=False):
        self._log(result, 'failed')

    def v2_runner_on_unreachable(self, result):
        self._log(result, 'unreachable')

    def v2_runner_on_skipped(self, result):
        self._log(result, 'skipped')
