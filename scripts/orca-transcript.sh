#!/usr/bin/env bash
# Checks what the Orca screen reader says while a blind user's fixed sequence is played on Simple
# Tallomat, and prints it:
#   scripts/orca-transcript.sh [--language LANGUAGE]
# Each step says what Orca must say once (the result) and what it must not say (a text that the
# window never showed); the script exits non-zero when a step falls short.
# The program runs in English whatever the caller's locale, or in the given language (de, fr, ...:
# a translations/tallomat_LANGUAGE.ts), clicked by its names and checked by its words there.
# BUILD_DIR=folder runs the program built there instead of building build/;
# ORCA_TRANSCRIPT_LOG=file keeps Orca's debug log there.
# Everything runs privately: Xvfb, openbox, a D-Bus session bus with its own accessibility bus,
# speech-dispatcher speaking through espeak-ng into ALSA's null device, and Orca writing its
# debug log, whose "SPEECH OUTPUT" lines are what it says and "BRAILLE LINE" lines what its
# braille display shows; they are printed under each step.
# Keys are clicked with the pointer where Orca's own view of the window places them, and typed
# with xdotool. Not part of the test command: it takes a few minutes and needs Orca.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

language=en
while (($# > 0)); do
    case $1 in
        --language)
            language=${2:?"$(basename "$0"): --language needs a language, such as de"}
            shift 2
            ;;
        *)
            echo "usage: $(basename "$0") [--language LANGUAGE]" >&2
            exit 2
            ;;
    esac
done
translations=$repo_root/translations/tallomat_$language.ts
if [ "$language" != en ] && [ ! -f "$translations" ]; then
    echo "$(basename "$0"): the program has no translation into \"$language\"" >&2
    exit 2
fi
# Orca and the tools around it run in the same locale whatever the caller's, so that their words in
# the log are the ones looked for here.
export LC_ALL=C.UTF-8 LANG=C.UTF-8
unset LANGUAGE LC_MESSAGES

if [ -z "${ORCA_TRANSCRIPT_BUS:-}" ]; then
    install_missing_packages xvfb xdotool openbox orca speech-dispatcher espeak-ng \
        speech-dispatcher-espeak-ng at-spi2-core dbus-daemon python3-pyatspi
    if [ -z "${BUILD_DIR:-}" ]; then
        install_project_packages nocheck
        build_log=$(mktemp)
        if ! build_program >"$build_log" 2>&1; then
            cat "$build_log" >&2
            echo "$(basename "$0"): the build failed; Orca was not run" >&2
            exit 1
        fi
        rm -f "$build_log"
    fi
    if [ ! -x "${BUILD_DIR:-$repo_root/build}/tallomat" ]; then
        echo "$(basename "$0"): ${BUILD_DIR:-$repo_root/build}/tallomat is not built" >&2
        exit 1
    fi
    ORCA_TRANSCRIPT_BUS=1 exec timeout 900 dbus-run-session -- "$0" --language "$language"
fi

program=${BUILD_DIR:-$repo_root/build}/tallomat
work=$(mktemp -d)
pids=()
cleanup() {
    local pid
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    stop_xvfb
    if [ -n "${ORCA_TRANSCRIPT_LOG:-}" ] && [ -f "$work/orca.log" ]; then
        cp "$work/orca.log" "$ORCA_TRANSCRIPT_LOG"
    fi
    rm -rf "$work"
}
trap cleanup EXIT

# Orca's preferences, speech-dispatcher's socket and logs stay in the scratch folder.
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_RUNTIME_DIR=$work/run
mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR" "$work/speechd" "$work/orca"
chmod 700 "$XDG_RUNTIME_DIR"
cat >"$work/speechd/speechd.conf" <<'EOF'
AudioOutputMethod "alsa"
AudioALSADevice "null"
DefaultModule espeak-ng
EOF

start_xvfb
openbox >/dev/null 2>&1 &
pids+=($!)
# Asking for the accessibility bus starts it on the session bus, which ends it.
wait_for 20 dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
    org.a11y.Bus.GetAddress
speech-dispatcher --run-single --timeout 0 --config-dir "$work/speechd" >/dev/null 2>&1 &
pids+=($!)
wait_for 60 test -S "$XDG_RUNTIME_DIR/speech-dispatcher/speechd.sock"

# Orca writes its log in blocks to a file, and line by line to a terminal: it runs in one that
# `script` keeps, so that each step's speech is in the log once Orca has said it. Orca 43 and 48
# show the braille line in their braille monitor, which puts it in the log, with braille itself
# off, as they would otherwise wait for a braille display; Orca 51 (Debian testing) no longer has
# those options, and keeps its preferences in the scratch home.
log=$work/orca.log
orca_options="--debug-file=/dev/tty"
if [[ $(orca --help 2>&1) == *--disable* ]]; then
    orca_options+=" --disable braille --enable braille-monitor --user-prefs '$work/orca'"
fi
script -qfec "orca $orca_options" "$log" >/dev/null 2>&1 &
pids+=($!)
# Orca 43 (Debian 12) and Orca 48 and 51 say so in their own words. Its first start on a fresh
# machine compiles its Python and, on a busy machine, has taken over two minutes.
wait_for 240 grep -qaE 'ORCA: Starting (registry|Atspi main event loop)' "$log"

# The program in the language asked for: LANGUAGE names it, and the locale says the same to a
# program that reads the locale alone.
if [ "$language" = en ]; then
    program_locale=C.UTF-8
else
    program_locale=$language.UTF-8
fi
LANGUAGE=$language LC_ALL=$program_locale LANG=$program_locale QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
    "$program" >/dev/null 2>&1 &
pids+=($!)
wait_for 30 xdotool search --onlyvisible --name '^Simple Tallomat$'
window=$(xdotool search --onlyvisible --name '^Simple Tallomat$' | head -1)
wait_for 30 xdotool windowactivate --sync "$window"

# The program's text in the language of the run, from its translation (the English text where
# the translation has none, as for the digits), with %1, %2, ... replaced by the arguments.
words() {
    /usr/bin/python3 - "$translations" "$@" <<'EOF'
import sys
import xml.etree.ElementTree as tree

path, source, arguments = sys.argv[1], sys.argv[2], sys.argv[3:]
text = source
try:
    messages = tree.parse(path).getroot().iter("message")
except FileNotFoundError:
    messages = []
for message in messages:
    translation = message.find("translation")
    if message.findtext("source") == source and translation.get("type") is None:
        text = translation.text or source
        break
for number, argument in enumerate(arguments, 1):
    text = text.replace(f"%{number}", argument)
print(text)
EOF
}

# The screen centre of the control with the given accessible name, as Orca sees the window.
centre() {
    /usr/bin/python3 - "$1" <<'EOF'  # Debian's, which has pyatspi
import sys
import pyatspi

def find(node, name):
    if node is None:
        return None
    if node.name == name and node.getRole() != pyatspi.ROLE_APPLICATION:
        return node
    for child in node:
        found = find(child, name)
        if found is not None:
            return found
    return None

for app in pyatspi.Registry.getDesktop(0):
    frames = [child for child in app if child is not None and child.name == "Simple Tallomat"]
    control = find(frames[0], sys.argv[1]) if frames else None
    if control is not None:
        box = control.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        print(box.x + box.width // 2, box.y + box.height // 2)
        sys.exit(0)
sys.exit(1)
EOF
}
display=$(words Display)
wait_for 30 centre "$display"
# Orca follows the window once it has taken the display as the focus; Orca 51 adds the object's
# address to its name.
wait_for 30 grep -qaE "locusOfFocus: \\[text \\| $display\\]|locus of focus from .* to \\[text: .$display." "$log"

# Waits until Orca has said what the last step made it say: its log still for a second,
# at most 10 seconds; then prints what it newly said and showed in braille, and adds them to the
# step's `said` and `shown`, each utterance without the spaces and the full stop that Orca ends it
# with.
printed=0
said=()
shown=()
settle() {
    local size=-1 deadline=$((SECONDS + 10))
    while ((SECONDS < deadline)); do
        sleep 1
        local now
        now=$(stat -c %s "$log")
        if ((now == size)); then break; fi
        size=$now
    done
    local lines
    lines=$(grep -aoE "SPEECH OUTPUT: '[^']*'|BRAILLE LINE: +'[^']*'" "$log" | tail -n +"$((printed + 1))" || true)
    if [ -n "$lines" ]; then
        printed=$((printed + $(grep -c . <<<"$lines")))
        sed 's/^/    /' <<<"$lines"
        local line
        while IFS= read -r line; do
            if [[ $line =~ ^SPEECH\ OUTPUT:\ \'(.*)\'$ ]]; then
                said+=("$(spoken "${BASH_REMATCH[1]}")")
            elif [[ $line =~ ^BRAILLE\ LINE:\ +\'(.*)\'$ ]]; then
                shown+=("${BASH_REMATCH[1]}")
            fi
        done <<<"$lines"
    fi
}

# Checks of what Orca said and showed in the step that `step` began.
failures=()
step_name=
step() {
    step_name=$1
    said=()
    shown=()
    echo "$step_name"
}
# What Orca says of a text: without the spaces and the full stop that end it.
spoken() { sed -E 's/[ .]+$//' <<<"$1"; }
times_said() {
    local text expected count=0
    expected=$(spoken "$1")
    for text in "${said[@]}"; do
        if [ "$text" = "$expected" ]; then count=$((count + 1)); fi
    done
    echo "$count"
}
says_once() {
    local count
    count=$(times_said "$1")
    if ((count != 1)); then
        failures+=("$step_name: \"$1\" said $count times, not once")
    fi
}
never_says() {
    local count
    count=$(times_said "$1")
    if ((count != 0)); then
        failures+=("$step_name: \"$1\" said $count times, not at all")
    fi
}
# The last line of a text that the braille display showed in the step (Orca ends it with "$l";
# a message flashed over it comes and goes) holds the text as a word of its own.
braille_shows() {
    local line last=
    for line in "${shown[@]}"; do
        if [[ $line == *' $l' ]]; then last=$line; fi
    done
    if [[ " $last " != *" $1 "* ]]; then
        failures+=("$step_name: the braille line \"$last\" does not show \"$1\"")
    fi
}
click() {
    local position x y
    if ! position=$(centre "$1"); then
        echo "$(basename "$0"): Orca's view of the window has no control named \"$1\"" >&2
        exit 1
    fi
    read -r x y <<<"$position"
    xdotool mousemove "$x" "$y" click 1
}
press() { xdotool key --delay 150 "$@"; }
type_text() { xdotool type --delay 150 "$1"; }

# The words that the window says, in the language of the run.
blank=$(words blank)
indicator=$(words 'Memory indicator')
indicator_m=$(words '%1 %2' "$indicator" M)
indicator_blank=$(words '%1 blank' "$indicator")
no_number=$(words 'The display does not hold a number.')

step 'The window opens, the display focused'
settle
# Enter comes after a person's pause: Orca that lags behind the typing takes a digit typed just
# before Enter for text that the program inserted, and says it again.
step 'Typed 7 + 5 in the display'
type_text '7+5'
settle
never_says "$blank" # what "+" leaves is the echo of typing
step 'Then Enter'
press Return
settle
says_once 12
never_says 5
never_says "$blank"
braille_shows 12
step "Orca reads the current line (KP_8)"
press KP_Up
settle
says_once 12
step "Click on \"=\" (12 becomes 19)"
click "$(words Equals)"
settle
says_once 19
step 'Click on the display, holding 19'
click "$display"
settle
says_once 19
step 'Typed + 3 in the display'
type_text '+3'
settle
never_says "$blank"
step 'Then Enter'
press Return
settle
says_once 22
never_says 3
never_says "$blank"
braille_shows 22
step 'Click on "+/-" (22 becomes -22)'
click "$(words 'Change sign')"
settle
says_once -22
step 'Click on the display, holding -22'
click "$display"
settle
says_once -22
step 'Home, then End in the display'
press Home
settle
press End
settle
step 'Tab twice to "+/-", then Space (-22 becomes 22)'
press Tab Tab
settle
press space
settle
says_once 22
step 'Click on Memory store'
click "$(words 'Memory store')"
settle
says_once "$indicator_m"
step 'Click on Memory recall'
click "$(words 'Memory recall')"
settle
says_once 22
step 'Click on Memory add'
click "$(words 'Memory add')"
settle
step 'Click on the display, typed 5 there, then click on Memory clear'
click "$display"
settle
type_text 5
settle
click "$(words 'Memory clear')"
settle
says_once "$blank"
says_once "$indicator_blank"
step 'Click on "2", the display empty after Memory clear'
click 2
settle
says_once 2
never_says "$blank"
step 'Click on "+", "3" and "=" (5)'
click "$(words Add)"
settle
click 3
settle
click "$(words Equals)"
settle
says_once 5
step 'Click on "4" after the result'
click 4
settle
says_once 4
never_says "$blank"
step 'Click on "Cancel"'
click "$(words Cancel)"
settle
says_once "$blank"
step 'Click on "Backspace"'
click "$(words Backspace)"
settle
never_says "$blank" # the display read blank already
for showing in 1 2 3; do
    step "Click on \"+/-\": a message box says why ($showing of 3)"
    click "$(words 'Change sign')"
    settle
    says_once "$no_number"
    press Return
    settle
done

if ((${#failures[@]} > 0)); then
    printf '%s\n' "${failures[@]}" >&2
    echo "$(basename "$0"): ${#failures[@]} checks failed" >&2
    exit 1
fi
echo 'Every check passed'
