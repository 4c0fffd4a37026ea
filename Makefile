# Datevane: `make run` builds and starts the program, `make check` builds and
# runs every test. Both first install the Debian packages that are missing.

BUILD ?= build
# The whole suite once more, built with AddressSanitizer and
# UndefinedBehaviorSanitizer, so every run proves it clean of both.
ASAN_BUILD ?= build-asan
PACKAGES := g++ cmake ninja-build pkg-config libgtest-dev libgmock-dev libbenchmark-dev qt6-base-dev
# What `make run` needs to show the window on a machine without a display.
# fonts-liberation2 gives the printed report fonts with the measures of Arial.
RUN_PACKAGES := xvfb xauth x11-utils imagemagick fonts-liberation2
# `make fuzz` builds the libFuzzer targets with clang in FUZZ_BUILD and runs
# each for FUZZ_SECONDS; it fails when one finds a fault (see fuzz/).
FUZZ_PACKAGES := clang libclang-rt-14-dev cmake ninja-build
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 300

# What `make install` needs to register the program and its file type with
# the desktop (update-mime-database, update-desktop-database, xdg-mime, and
# the MIME-type finder that xdg-mime uses outside the big desktops).
INSTALL_PACKAGES := shared-mime-info desktop-file-utils xdg-utils libfile-mimeinfo-perl
# The end-to-end tests drive the program in an X server with xdotool; the
# installation test runs `make install` into a temporary folder.
PACKAGES += xvfb xdotool $(INSTALL_PACKAGES)
# `make install` installs for the current user; PREFIX=folder installs there.
PREFIX ?= $(HOME)/.local

.PHONY: run check build build-asan deps fuzz install uninstall

run: build
	@tools/install-deps.sh $(RUN_PACKAGES)
	tools/run.sh $(BUILD)

check: build
	ctest --test-dir $(BUILD) --output-on-failure -j2
	$(MAKE) build-asan
	ctest --test-dir $(ASAN_BUILD) --output-on-failure -j2

build: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD)

build-asan: deps
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-g1 -DDATEVANE_BENCHMARKS=OFF -DDATEVANE_SANITIZE=ON
	cmake --build $(ASAN_BUILD)

deps:
	@tools/install-deps.sh $(PACKAGES)

fuzz:
	@tools/install-deps.sh $(FUZZ_PACKAGES)
	tools/fuzz.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

install: build
	@tools/install-deps.sh $(INSTALL_PACKAGES)
	cmake --install $(BUILD) --strip --prefix "$(abspath $(PREFIX))"

uninstall: build
	@tools/install-deps.sh $(INSTALL_PACKAGES)
	tools/uninstall.sh $(BUILD) "$(abspath $(PREFIX))"
