# make run    - install missing Debian packages, build, start pecunex
# make test   - install missing Debian packages, build, run the whole suite (SANITIZE=1: ASan+UBSan)
# make build  - build only;  make bench - build and run the benchmarks
SHELL := /bin/bash
PRESET := default
BUILD_DIR := build
ifeq ($(SANITIZE),1)
PRESET := sanitize
BUILD_DIR := build-sanitize
endif
WERROR ?= 0
CMAKE_FLAGS := -DPECUNEX_WERROR=$(if $(filter 1,$(WERROR)),ON,OFF)
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: deps configure build test run bench clean

deps:
	@missing=$$(grep -v '^\s*#' packages.txt | xargs -n1 | while read -r p; do \
	    dpkg-query -W -f='$${Status}' "$$p" 2>/dev/null | grep -q 'install ok installed' || echo "$$p"; done); \
	if [ -n "$$missing" ]; then \
	    echo "Installing missing packages:" $$missing; \
	    $(SUDO) apt-get update && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y $$missing; \
	fi

configure: deps
	@cmake --preset $(PRESET) $(CMAKE_FLAGS) >/dev/null

build: configure
	cmake --build $(BUILD_DIR)

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	    echo "pecunex needs a display and none is set; without a screen run it as: xvfb-run -s '-screen 0 1280x1024x24' $(BUILD_DIR)/pecunex"; \
	    exit 1; \
	fi
	$(BUILD_DIR)/pecunex

bench: build
	$(BUILD_DIR)/pecunex-bench

clean:
	rm -rf build build-sanitize
