# Writes the manual page at build time: the template, with the options as
# the program's own table gives them. Needs OPTIONS_TOOL, TEMPLATE, OUTPUT,
# PROJECT_VERSION and ORLIX_RELEASE_DATE.
execute_process(COMMAND "${OPTIONS_TOOL}" OUTPUT_VARIABLE ORLIX_MAN_OPTIONS
    OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
configure_file("${TEMPLATE}" "${OUTPUT}" @ONLY)
