# The hardening Debian builds its packages with (what dpkg-buildflags gives): fortified C library
# calls where the code is optimised, stack protection, and relocations made read-only at load.
# The checked builds leave the fortified calls out: the sanitizers check those calls themselves.
option(SCOREBOARD_HARDENING "build with the distribution's hardening flags" ON)
if(SCOREBOARD_HARDENING)
  add_compile_options(-fstack-protector-strong)
  if(NOT SCOREBOARD_SANITIZE)
    add_compile_options($<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE> $<$<NOT:$<CONFIG:Debug>>:-D_FORTIFY_SOURCE=2>)
  endif()
  add_link_options(LINKER:-z,relro LINKER:-z,now)
endif()
