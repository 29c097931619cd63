#!/usr/bin/env bash
# Mutation check: plants the faults of scripts/mutants.txt one at a time in a private copy of
# the tree and reports which ones the tests let through. `scripts/mutation.sh --help` tells more.
exec python3 "$(dirname "$0")/mutation.py" "$@"
