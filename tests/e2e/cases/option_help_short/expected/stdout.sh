cat ../../option_help/expected/stdout
