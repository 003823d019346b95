# Sourced by the scripts that drive the real window: skips when a tool is
# missing, runs the script again on a virtual display, and gives it a scratch
# folder for its data, a `pid` killed on exit and `wait_for`.
# usage: source on_display.sh TOOL... (before anything else runs)
for tool in xvfb-run xdotool "$@"; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIP: $tool is not installed (scripts/install-deps.sh installs it)"
    exit 77
  fi
done
if [ -z "${MIREL_ON_DISPLAY:-}" ]; then
  export MIREL_ON_DISPLAY=1
  # A display number of its own: xvfb-run -a alone starts at :99 and can
  # collide with another suite's display started at the same moment.
  exec xvfb-run -a -n $((100 + RANDOM % 800)) -s "-screen 0 1024x768x24" bash "$0" "${script_args[@]}"
fi
scratch=$(mktemp -d)
export XDG_DATA_HOME="$scratch/data" QT_QPA_PLATFORM=xcb
journals="$XDG_DATA_HOME/mirel/recovery"
pid=
trap '[ -n "$pid" ] && kill -9 "$pid" 2>/dev/null; rm -rf "$scratch"' EXIT
journal() { ls "$journals"/journal-*.mrl 2>/dev/null | head -n 1; }
# Tries a condition for up to 60 seconds; `on_give_up` says what then.
wait_for() {
  for _ in $(seq 600); do eval "$1" && return 0; sleep 0.1; done
  on_give_up "gave up waiting for: $1"
}
on_give_up() { echo "$1"; exit 1; }
