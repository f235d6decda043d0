# Shared by the command-line tests (sourced): a scratch folder removed on
# exit, a failure count, and the two checks.
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
failures=0
check() {  # check NAME EXPECTED ACTUAL
  if [ "$2" != "$3" ]; then
    echo "FAIL $1"; echo "  expected: $2"; echo "  actual:   $3"; failures=$((failures + 1))
  fi
}
fails_with() {  # fails_with NAME MESSAGE-PART COMMAND...
  name=$1; part=$2; shift 2
  out=$("$@" 2>&1); status=$?
  [ $status -ne 0 ] || { echo "FAIL $name: exit status 0"; failures=$((failures + 1)); }
  case $out in *"$part"*) ;; *) echo "FAIL $name: '$out' lacks '$part'"; failures=$((failures + 1));; esac
}
