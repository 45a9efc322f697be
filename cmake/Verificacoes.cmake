# The address and undefined-behaviour sanitizers, for every target defined after this file
# is included: the hardening build of the tests and the reader's fuzz target.
set(VISTREL_VERIFICACOES -fsanitize=address,undefined -fno-sanitize-recover=all
    -fno-omit-frame-pointer)
add_compile_options(${VISTREL_VERIFICACOES})
add_link_options(${VISTREL_VERIFICACOES})
