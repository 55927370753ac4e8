# The platform itself: a Windows program runs under Wine on the display.
root=$1
exe="$root/build/win32/bin/platform_window_test.exe"
[ -f "$exe" ] || exit 0
file "$exe" 2>/dev/null | grep -q 'PE32 executable' && echo "platform: $(basename "$exe") is a 32-bit Windows program"
wine "$exe" --gtest_brief=1 </dev/null | tail -3
