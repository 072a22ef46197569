# The two set-up commands of the README, and the benchmarks, in front of CMake.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: run test bench deps build clean

deps:
	scripts/install-deps

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

# Starts the program; without a display it runs inside a virtual one.
run: build
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then $(BUILD)/quillmere; \
	else xvfb-run -a -s "-screen 0 1280x1024x24" $(BUILD)/quillmere; fi

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	$(BUILD)/bench/quillmere_bench --benchmark_counters_tabular=true

clean:
	rm -rf $(BUILD)
