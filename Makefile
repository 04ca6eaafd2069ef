# make run    - install missing Debian packages, build, start pecunex
# make test   - install missing Debian packages, build, run the whole suite (SANITIZE=1: ASan+UBSan)
# make build  - build only;  make bench - build, run the benchmarks, print them against their limits
# make fuzz   - build the libFuzzer targets with Clang and run each for FUZZ_SECONDS
#               (or FUZZ_RUNS executions), one after the other
# make package     - build pecunex_<version>_amd64.deb in this folder and check it with lintian
# make screenshots - retake the guide's screenshots (doc/images) from the real program
# make format       - rewrite every tracked C++ file as .clang-format has it
# make format-check - list the C++ files clang-format would change; fails when there are any
SHELL := /bin/bash
PRESET := default
BUILD_DIR := build
TEST_ENV := QT_QPA_PLATFORM=offscreen
ifeq ($(SANITIZE),1)
PRESET := sanitize
BUILD_DIR := build-sanitize
# Any finding fails its test; leaks inside Qt's and the system's libraries are suppressed
# (each entry of the file says why), ours never are.
TEST_ENV += ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:strict_string_checks=1 \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0
endif
WERROR ?= 0
CMAKE_FLAGS := -DPECUNEX_WERROR=$(if $(filter 1,$(WERROR)),ON,OFF)
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

FUZZ_SECONDS ?= 60
FUZZ_RUNS ?=
FUZZ_LIMIT := $(if $(FUZZ_RUNS),-runs=$(FUZZ_RUNS),-max_total_time=$(FUZZ_SECONDS))
PACKAGES ?= packages.txt

.PHONY: deps configure build test run bench fuzz package screenshots format format-check clean

deps:
	@missing=$$(grep -v '^\s*#' $(PACKAGES) | xargs -n1 | while read -r p; do \
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
	cd $(BUILD_DIR) && $(TEST_ENV) ctest --output-on-failure -j2

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	    echo "pecunex needs a display and none is set; without a screen run it as: xvfb-run -s '-screen 0 1280x1024x24' $(BUILD_DIR)/pecunex"; \
	    exit 1; \
	fi
	$(BUILD_DIR)/pecunex

# Five repetitions of each benchmark, Google Benchmark's JSON in $(BUILD_DIR)/bench-results.json, then
# the medians beside their limits. A benchmark over its limit is marked, never failed. The
# repetitions of all benchmarks are interleaved, so that a limit relative to another benchmark
# (the engine against its bare-loop floor) compares figures taken under the same machine load.
bench: build
	$(BUILD_DIR)/pecunex-bench --benchmark_repetitions=5 --benchmark_display_aggregates_only=true \
	    --benchmark_enable_random_interleaving=true \
	    --benchmark_out=$(BUILD_DIR)/bench-results.json --benchmark_out_format=json

fuzz:
	@$(MAKE) --no-print-directory deps PACKAGES=packages.txt
	@$(MAKE) --no-print-directory deps PACKAGES=packages-fuzz.txt
	CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPECUNEX_FUZZ=ON >/dev/null
	cmake --build build-fuzz
	@mkdir -p build-fuzz/corpus/fuzz_budget_file && \
	    cp samples/Sample.BGT tests/golden/budget-household.Bgt build-fuzz/corpus/fuzz_budget_file/
	@for t in $$(cat build-fuzz/fuzz-targets.txt); do \
	    mkdir -p build-fuzz/corpus/$$t && \
	    build-fuzz/$$t $(FUZZ_LIMIT) -max_len=4096 build-fuzz/corpus/$$t fuzz/corpus/$$t || exit 1; \
	done

package: build
	@$(MAKE) --no-print-directory deps PACKAGES=packages-package.txt
	rm -f pecunex_*_amd64.deb
	cd $(BUILD_DIR) && cpack -G DEB
	lintian --fail-on error pecunex_*_amd64.deb
	appstreamcli validate --no-net packaging/org.pecunex.Pecunex.metainfo.xml

screenshots: build
	tools/screenshots.sh $(BUILD_DIR)

# The tracked C++ sources (every .cpp and .h; outside a git checkout, those under the source
# folders), NUL-separated for xargs.
CXX_SOURCES = { git ls-files -z -- '*.cpp' '*.h' 2>/dev/null || \
    find app bench fuzz packaging src tests tools \( -name '*.cpp' -o -name '*.h' \) -print0; }

format: deps
	@$(CXX_SOURCES) | xargs -0 -r -n 40 -P 2 clang-format -i

format-check: deps
	@differ=$$(set -o pipefail; $(CXX_SOURCES) | xargs -0 -r -n 40 -P 2 clang-format --dry-run --ferror-limit=1 2>&1 | \
	    sed -n 's/^\(.*\):[0-9]*:[0-9]*: warning: code should be clang-formatted.*/\1/p' | sort -u) || \
	    { echo "clang-format did not run through"; exit 2; }; \
	if [ -n "$$differ" ]; then \
	    echo "Not formatted as .clang-format has it (run make format):"; \
	    printf '  %s\n' $$differ; \
	    exit 1; \
	fi

clean:
	rm -rf build build-sanitize build-fuzz
