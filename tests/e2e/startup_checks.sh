# Checks shared by the start-up tests (sourced after lib.sh).

# Leaves through Escape: the main menu asks "  Exit Dunmarrow?  " and "o" confirms;
# a menu that ends on any key has gone before the question would come.
startup_leave_with_escape() {
  e2e_key Escape
  if ! e2e_wait_for 3 startup_game_ended; then
    e2e_key o
  fi
  e2e_wait_exit 20 || e2e_fail "the game did not end after Escape"
}

# Leaves through the window's close button, confirmed with "o".
startup_leave_with_close() {
  e2e_close || e2e_fail "close request not sent"
  if ! e2e_wait_for 3 startup_game_ended; then
    e2e_key o
  fi
  e2e_wait_exit 20 || e2e_fail "the game did not end after the close button"
}

startup_game_ended() { ! e2e_running; }

# Number of message rows that hold text: the log shows the last five lines, 14 pixels
# apart, the newest at the bottom.
startup_message_rows() {
  local shot="$1" n=0 row y
  for row in 1 2 3 4 5; do
    y=$((502 + 3 + 14 * row))
    [ "$(e2e_colors "$shot" 14 "$y" 630 12)" -ge 3 ] && n=$((n + 1))
  done
  echo "$n"
}

# Every GameOptions key at its default in the written dunmar.cfg, except the
# "key value" pairs given.
startup_check_options() {
  declare -A want=(
    [general.firstrun]=1 [general.bpp]=32 [general.fullscreen]=1 [general.sound]=1
    [general.developer]=0 [options.volume]=8 [options.enemyrange]=20
    [options.multiturn]=1 [options.swapmonsters]=0 [options.altdice]=0
    [options.enemy1life]=0 [options.fixedwalk]=1 [options.passheroes]=1
    [options.targetheroes]=0 [options.skirmish]=1 [dungeon.lastlevel]=20
    [dungeon.randomness]=40 [dungeon.clrdeadend]=0 [dungeon.hiddendoor]=5
    [guicolor.background]=7A6C4C [guicolor.highlite]=880000
  )
  local k
  while [ $# -ge 2 ]; do
    for k in "${!want[@]}"; do
      [ "${k#*.}" = "$1" ] && want[$k]="$2"
    done
    shift 2
  done
  e2e_cfg_load || e2e_fail "no dunmar.cfg written"
  for k in "${!want[@]}"; do
    [ "${E2E_CFG[$k]-}" = "${want[$k]}" ] ||
      e2e_fail "[${k%%.*}] ${k#*.} is '${E2E_CFG[$k]-}', expected '${want[$k]}'"
  done
}

# Code of the first character of a text, signed like a C char.
startup_first_char() {
  local c=0
  [ -n "$1" ] && c=$(LC_ALL=C printf '%d' "'${1:0:1}")
  [ "$c" -gt 127 ] && c=$((c - 256))
  echo "$c"
}

# The checksum entry i of the loaded file should carry.
startup_hall_checksum() {
  local s="hallfame$1"
  echo $(($(startup_first_char "${E2E_CFG[$s.name]}") + \
    $(startup_first_char "${E2E_CFG[$s.quest]}") + 2 * ${E2E_CFG[$s.experience]} + \
    2 * ${E2E_CFG[$s.gold]} + 2 * ${E2E_CFG[$s.kills]} + 999 * ${E2E_CFG[$s.picture]}))
}

# Eight Hall of Fame sections, every key present, every checksum valid.
startup_check_hall_of_fame() {
  local i s k
  e2e_cfg_load || e2e_fail "no dunmar.cfg written"
  for i in 0 1 2 3 4 5 6 7; do
    s="hallfame$i"
    for k in name quest experience gold kills picture ID checksum; do
      [ -n "${E2E_CFG[$s.$k]-}" ] || e2e_fail "[$s] has no $k"
    done
    [ "${E2E_CFG[$s.checksum]}" = "$(startup_hall_checksum $i)" ] ||
      e2e_fail "[$s] checksum ${E2E_CFG[$s.checksum]} is not $(startup_hall_checksum $i)"
  done
}
