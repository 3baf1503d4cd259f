# SPDX-License-Identifier: GPL-3.0-or-later
# The two commands of the README, and a few more for developers.
BUILD   ?= build
JOBS    ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo
# WERROR=ON turns compiler warnings into errors, as CI builds.
WERROR  ?= OFF
CONFIGURE = cmake -S . $(CMAKE_FLAGS) -DJUNBAN_WERROR=$(WERROR)
# Each target installs only the packages of its own groups (scripts/setup.sh).
SETUP   = ./scripts/setup.sh

.PHONY: run test test-asan bench bench-x package setup build format clean

# A bare make: the program without the tests (cmake --install and cpack render
# the rest of what it installs: icons, manual page), from what is installed;
# it installs nothing (make setup, make run or make test install what is missing).
build:
	@$(CONFIGURE) -B $(BUILD) -DBUILD_TESTING=OFF >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

# Every package any target needs.
setup:
	@$(SETUP)

run:
	@$(SETUP) run
	@$(CONFIGURE) -B $(BUILD) -DBUILD_TESTING=OFF >/dev/null
	@cmake --build $(BUILD) -j $(JOBS) --target junban
	./$(BUILD)/junban

test:
	@$(SETUP) test
	@$(CONFIGURE) -B $(BUILD) -DBUILD_TESTING=ON >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# Every test again, built with AddressSanitizer, UndefinedBehaviorSanitizer
# and leak checking; any report fails the test that caused it.
test-asan:
	@$(SETUP) test
	@$(CONFIGURE) -B build-asan -DBUILD_TESTING=ON -DJUNBAN_SANITIZE=ON >/dev/null
	@cmake --build build-asan -j $(JOBS)
	cd build-asan && ctest --output-on-failure -j $(JOBS)

# junban_<version>_<arch>.deb in $(BUILD).
package:
	@$(SETUP) package
	@$(MAKE) --no-print-directory build
	cd $(BUILD) && cpack

# A Release build of its own, so that it never rebuilds the one of run and test.
bench:
	@$(SETUP) run
	@cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DJUNBAN_WERROR=$(WERROR) >/dev/null
	@cmake --build build-bench -j $(JOBS) --target junban_bench junban_history_bench
	QT_QPA_PLATFORM=offscreen ./build-bench/bench/junban_bench
	./build-bench/bench/junban_history_bench

# Click-to-pixels latency in a real X server (Xvfb + openbox), at 1920 x 1080
# and at 3840 x 2160 in one run, on the Release build of make bench.
bench-x:
	@$(SETUP) bench-x
	@cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DJUNBAN_WERROR=$(WERROR) >/dev/null
	@cmake --build build-bench -j $(JOBS) --target junban junban_xlatency
	./bench/xlatency.sh ./build-bench/junban ./build-bench/bench/junban_xlatency

format:
	@$(SETUP) format
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD) build-asan build-bench
