# Sourced: start_virtual_display and stop_virtual_display, an Xvfb screen for Wine, and
# start_x_server, which both this and the display of two monitors start their servers with.

# Starts `program :N arguments...` on the first free display N from `first` and waits until it
# answers; sets VR_X_DISPLAY (":N") and VR_X_PID. Fails when no display up to first+99 would do.
start_x_server() {
  local first=$1 program=$2 n waited
  shift 2
  for ((n = first; n < first + 100; n++)); do
    [[ -e "/tmp/.X$n-lock" || -e "/tmp/.X11-unix/X$n" ]] && continue
    "$program" ":$n" "$@" >/dev/null 2>&1 &
    VR_X_PID=$!
    for ((waited = 0; waited < 100; waited++)); do  # up to 10 s
      if xdpyinfo -display ":$n" >/dev/null 2>&1; then
        VR_X_DISPLAY=":$n"
        return 0
      fi
      kill -0 "$VR_X_PID" 2>/dev/null || break  # lost the race for this display
      sleep 0.1
    done
    kill "$VR_X_PID" 2>/dev/null || true
    wait "$VR_X_PID" 2>/dev/null || true
  done
  return 1
}

# Starts Xvfb (1280x1024, 24-bit) on the first free display from :99 and exports DISPLAY.
start_virtual_display() {
  if ! start_x_server 99 Xvfb -screen 0 1280x1024x24 -nolisten tcp; then
    echo "could not start Xvfb" >&2
    return 1
  fi
  VR_XVFB_PID=$VR_X_PID
  export DISPLAY=$VR_X_DISPLAY
}

# Ends the X server whose process id the named variable holds, and empties it.
stop_x_server() {
  local -n pid=$1
  if [[ -n "${pid:-}" ]]; then
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    pid=
  fi
}

stop_virtual_display() { stop_x_server VR_XVFB_PID; }
