#!/usr/bin/env bash
# Installs the Debian packages listed in .ci/packages/*.txt (one per line, # for comments).
set -euo pipefail
cd "$(dirname "$0")/.."
packages=$(cat .ci/packages/*.txt | sed 's/#.*//' | tr -s ' \n' '\n' | grep -v '^$' | sort -u)
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO=sudo
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
# shellcheck disable=SC2086
$SUDO apt-get install -y -qq --no-install-recommends $packages
