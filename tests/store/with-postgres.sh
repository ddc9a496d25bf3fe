#!/bin/sh
# Runs a store test program (with its arguments) against a throw-away PostgreSQL cluster
# (pg_virtualenv, from postgresql-common); where no cluster can be started the tests skip and
# say why.
test_program="$1"
shift
if ! command -v pg_virtualenv >/dev/null 2>&1; then
    ZETRA_TEST_PG=skip ZETRA_TEST_PG_REASON="pg_virtualenv is not installed" exec "$test_program" "$@"
fi
if ! pg_virtualenv true >/dev/null 2>&1; then
    ZETRA_TEST_PG=skip ZETRA_TEST_PG_REASON="pg_virtualenv could not start a cluster" \
        exec "$test_program" "$@"
fi
exec pg_virtualenv env ZETRA_TEST_PG=1 "$test_program" "$@"
