# The platform itself: a Windows program runs under Wine on the display.
root=$1
build="${DEMO_WIN_BUILD:-$root/build/win32}"
exe="$build/bin/platform_window_test.exe"
[ -f "$exe" ] || exit 0
shipped="$root/build/win32/bin/Update.exe"
file "$shipped" 2>/dev/null | grep -q 'PE32 executable' && echo "platform: the deliverables are 32-bit Windows programs ($(basename "$shipped"): PE32)"
case "$(basename "$build")" in
  win64) echo "platform: this kernel cannot execute 32-bit code; the demos run the 64-bit build under wine64" ;;
esac
wine "$exe" --gtest_brief=1 </dev/null | tail -3
