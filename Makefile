# Datevane: `make run` builds and starts the program, `make check` builds and
# runs every test. Both first install the Debian packages that are missing.

BUILD ?= build
PACKAGES := g++ cmake ninja-build pkg-config libgtest-dev libgmock-dev libbenchmark-dev qt6-base-dev
# What `make run` needs to show the window on a machine without a display.
# fonts-liberation2 gives the printed report fonts with the measures of Arial.
RUN_PACKAGES := xvfb xauth x11-utils imagemagick fonts-liberation2

.PHONY: run check build deps

run: build
	@tools/install-deps.sh $(RUN_PACKAGES)
	tools/run.sh $(BUILD)

check: build
	ctest --test-dir $(BUILD) --output-on-failure -j2

build: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD)

deps:
	@tools/install-deps.sh $(PACKAGES)
