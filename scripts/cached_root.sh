# What the scripts that build a Debian root once and keep it share; they source this file. A root
# is ready when its .velora-ready holds the recipe it was built from; it is built beside its place
# and moved there under a lock, so that two setups never build the same root at once.

# usage: lock_root TARGET RECIPE
# Holds TARGET's lock until the script ends; true when TARGET is ready and built from RECIPE.
lock_root() {
  mkdir -p "$(dirname "$1")"
  exec 9> "$1.lock"
  flock 9
  [ "$(cat "$1/.velora-ready" 2>/dev/null)" = "$2" ]
}

# usage: publish_root BUILDING TARGET RECIPE
# Marks the root built in BUILDING as made from RECIPE and moves it into TARGET's place.
publish_root() {
  echo "$3" > "$1/.velora-ready"
  rm -rf "$2"
  mv "$1" "$2"
}
