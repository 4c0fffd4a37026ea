# Datevane: `make run` builds and starts the program, `make check` builds and
# runs every test. Both first install the Debian packages that are missing.

BUILD ?= build
PACKAGES := g++ cmake ninja-build pkg-config libgtest-dev libgmock-dev libbenchmark-dev qt6-base-dev

.PHONY: run check build deps

run: build
	$(BUILD)/datevane examples/FAMILY.EVT

check: build
	ctest --test-dir $(BUILD) --output-on-failure -j2

build: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD)

deps:
	@tools/install-deps.sh $(PACKAGES)
