# Sourced: start_virtual_display and stop_virtual_display, an Xvfb screen for Wine.

# Starts Xvfb (1280x1024, 24-bit) on the first free display from :99 and exports DISPLAY.
start_virtual_display() {
  local n
  for ((n = 99; n < 199; n++)); do
    [[ -e "/tmp/.X$n-lock" || -e "/tmp/.X11-unix/X$n" ]] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    VR_XVFB_PID=$!
    local waited
    for ((waited = 0; waited < 100; waited++)); do  # up to 10 s
      if xdpyinfo -display ":$n" >/dev/null 2>&1; then
        export DISPLAY=":$n"
        return 0
      fi
      kill -0 "$VR_XVFB_PID" 2>/dev/null || break  # lost the race for this display
      sleep 0.1
    done
    kill "$VR_XVFB_PID" 2>/dev/null || true
    wait "$VR_XVFB_PID" 2>/dev/null || true
  done
  echo "could not start Xvfb" >&2
  return 1
}

stop_virtual_display() {
  if [[ -n "${VR_XVFB_PID:-}" ]]; then
    kill "$VR_XVFB_PID" 2>/dev/null || true
    wait "$VR_XVFB_PID" 2>/dev/null || true
    VR_XVFB_PID=
  fi
}
