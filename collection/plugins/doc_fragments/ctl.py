# -*- coding: utf-8 -*-
# SPDX-License-Identifier: MIT
# Copyright (c) 2026 Zelvora
"""Documentation shared by the modules that work through ostraval-ctl."""

from __future__ import absolute_import, division, print_function
__metaclass__ = type


class ModuleDocFragment(object):

    DOCUMENTATION = r'''
options:
  ctl:
    description:
      - The C(ostraval-ctl) program, by name (looked up in the desk's C(PATH))
        or by path.
      - It must answer in JSON interface 2 (C(ostraval-ctl --version --json),
        release 1.1.1); a tool that states another interface or none is
        refused before anything is sent.
      - It runs with C(LC_ALL=C.UTF-8) and C(LANGUAGE) empty; only its JSON
        answers are read, its warnings included.
    type: path
    default: ostraval-ctl
attributes:
  platform:
    platforms: posix
'''
