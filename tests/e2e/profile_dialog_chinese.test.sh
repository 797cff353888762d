#!/usr/bin/env bash
# The Profiles dialog and the notification menu's Profiles submenu in Simplified Chinese: the import
# scenario with "Lan"=CHS, its screenshots under this scenario's name.
GM_PROFILES_LANGUAGE=CHS
source "$(dirname "$0")/profile_dialog_import.test.sh" "$1"
