# The two commands of the README, and a few more for developers.
BUILD   ?= build
JOBS    ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: run test test-asan bench bench-x setup build format clean

setup:
	@./scripts/setup.sh

build: setup
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/junban

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# Every test again, built with AddressSanitizer, UndefinedBehaviorSanitizer
# and leak checking; any report fails the test that caused it.
test-asan: setup
	@cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DJUNBAN_SANITIZE=ON >/dev/null
	@cmake --build build-asan -j $(JOBS)
	cd build-asan && ctest --output-on-failure -j $(JOBS)

bench: setup
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(BUILD) -j $(JOBS) --target junban_bench
	QT_QPA_PLATFORM=offscreen ./$(BUILD)/bench/junban_bench

# Click-to-pixels latency in a real X server (Xvfb + openbox), at 1920 x 1080
# and at 3840 x 2160 in one run.
bench-x: setup
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(BUILD) -j $(JOBS) --target junban junban_xlatency
	./bench/xlatency.sh ./$(BUILD)/junban ./$(BUILD)/bench/junban_xlatency

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD) build-asan
