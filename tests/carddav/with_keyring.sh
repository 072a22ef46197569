#!/bin/sh
# Runs a test program with a GNOME keyring of its own, unlocked, answering as
# the Secret Service: start it inside a private D-Bus session, as
#   dbus-run-session -- with_keyring.sh PROGRAM [ARGUMENTS]
set -eu
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME="$home" XDG_DATA_HOME="$home/data" XDG_CONFIG_HOME="$home/config" XDG_RUNTIME_DIR="$home/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
# Given a password, the daemon makes the login keyring and unlocks it (an
# empty one makes none); it ends with the session.
printf 'the tests own keyring' | gnome-keyring-daemon --unlock --components=secrets >/dev/null
QUILLMERE_OWN_KEYRING=1 "$@"
