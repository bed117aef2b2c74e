#!/usr/bin/env bash
# Builds the Ansible collection zelvora.ostraval from collection/ into a
# tarball, zelvora-ostraval-<version>.tar.gz, in the folder given (default:
# build/collection/), and prints the tarball's path.
set -euo pipefail
cd "$(dirname "$0")/.."
out="${1:-build/collection}"
mkdir -p "$out"
ansible-galaxy collection build collection --output-path "$out" --force >&2
version="$(sed -n 's/^version: *//p' collection/galaxy.yml)"
echo "$out/zelvora-ostraval-$version.tar.gz"
