# Debian packages, sourced by run.sh, test.sh and package.sh.
# What the game needs to build and run (qt6-wayland: a Wayland desktop without X).
GAME_PACKAGES=(cmake ninja-build g++ make qt6-base-dev qt6-qpa-plugins qt6-wayland libgl-dev fonts-ipafont-gothic)
# What the tests need on top.
TEST_PACKAGES=(libgtest-dev clang-tidy cppcheck xvfb xdotool)
# What package.sh needs to make and check the Debian package.
PACKAGE_PACKAGES=(dpkg-dev file lintian desktop-file-utils appstream gzip)
# What the benches need on top: runs, instructions, idle cost, watching and playing the game.
BENCH_PACKAGES=(xvfb hyperfine time linux-perf valgrind x11-utils xdotool)
