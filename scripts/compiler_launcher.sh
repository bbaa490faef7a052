# Sourced by the build scripts: `launcher_options`, the CMake options that compile through ccache
# when it is installed ($CMAKE_CXX_COMPILER_LAUNCHER names another launcher, or none when empty).
launcher=${CMAKE_CXX_COMPILER_LAUNCHER-$(command -v ccache >/dev/null && echo ccache)}
launcher_options=()
if [ -n "$launcher" ]; then
  launcher_options=(-DCMAKE_CXX_COMPILER_LAUNCHER="$launcher" -DCMAKE_C_COMPILER_LAUNCHER="$launcher")
fi
