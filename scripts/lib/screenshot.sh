# Sourced by demo steps: save the virtual display as a PNG.
#   screenshot NAME   -> $DEMO_OUT/NAME.png
screenshot() {
  import -window root "$DEMO_OUT/$1.png" 2>/dev/null || xwd -root -silent | convert xwd:- "$DEMO_OUT/$1.png"
  echo "saved $DEMO_OUT/$1.png"
}
