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
    type: path
    default: ostraval-ctl
attributes:
  platform:
    platforms: posix
'''
