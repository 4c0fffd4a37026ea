# Datevane: `make run` builds and starts the program, `make check` builds and
# runs every test. Both first install the Debian packages that are missing.

BUILD ?= build
PACKAGES := g++ cmake ninja-build pkg-config libgtest-dev libgmock-dev libbenchmark-dev qt6-base-dev
# What `make run` needs to show the window on a machine without a display.
# fonts-liberation2 gives the printed report fonts with the measures of Arial.
RUN_PACKAGES := xvfb xauth x11-utils imagemagick fonts-liberation2
# What `make install` needs to register the program and its file type with
# the desktop (update-mime-database, update-desktop-database, xdg-mime, and
# the MIME-type finder that xdg-mime uses outside the big desktops).
INSTALL_PACKAGES := shared-mime-info desktop-file-utils xdg-utils libfile-mimeinfo-perl
# The end-to-end tests drive the program in an X server with xdotool; the
# installation test runs `make install` into a temporary folder.
PACKAGES += xvfb xdotool $(INSTALL_PACKAGES)
# `make install` installs for the current user; PREFIX=folder installs there.
PREFIX ?= $(HOME)/.local

.PHONY: run check build deps
.PHONY: install uninstall

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

install: build
	@tools/install-deps.sh $(INSTALL_PACKAGES)
	cmake --install $(BUILD) --strip --prefix "$(abspath $(PREFIX))"

uninstall: build
	@tools/install-deps.sh $(INSTALL_PACKAGES)
	tools/uninstall.sh $(BUILD) "$(abspath $(PREFIX))"
