# The two set-up commands of the README, and the benchmarks, in front of CMake.
BUILD ?= build
JOBS ?= $(shell nproc)

FUZZ_SECONDS ?= 60
PREFIX ?= /usr/local
SOURCES = $(shell find src tests bench -name '*.cpp' -o -name '*.h')

.PHONY: run test test-sanitize fuzz format format-check install package bench deps build clean update-translations

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

# The whole suite built with AddressSanitizer and UndefinedBehaviorSanitizer,
# then a short run of every fuzz target.
test-sanitize: deps
	cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DQUILLMERE_SANITIZE=ON -DQUILLMERE_BENCH=OFF
	cmake --build build-sanitize -j $(JOBS)
	scripts/ctest-sanitized build-sanitize -j $(JOBS)
	$(MAKE) fuzz FUZZ_SECONDS=5

# Builds the libFuzzer targets with clang and runs each for FUZZ_SECONDS.
fuzz:
	scripts/install-deps fuzz
	CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DQUILLMERE_FUZZ=ON -DQUILLMERE_TESTS=OFF -DQUILLMERE_BENCH=OFF
	cmake --build build-fuzz -j $(JOBS)
	scripts/run-fuzzers build-fuzz $(FUZZ_SECONDS)

# Installs below PREFIX (and DESTDIR, when set): the program in lib/quillmere,
# a link in bin, the desktop entry, icons, metainfo and manual page.
install: build
	cmake -S . -B $(BUILD) -DCMAKE_INSTALL_PREFIX=$(PREFIX)
	cmake --install $(BUILD)

# A Debian package in $(BUILD).
package: build
	scripts/install-deps package
	cd $(BUILD) && cpack

# The .ts files brought up to date with the texts in the sources.
update-translations: build
	cmake --build $(BUILD) --target update_translations

# .clang-format applied to every source file, or checked (a difference fails).
format:
	scripts/install-deps format
	clang-format -i $(SOURCES)

format-check:
	scripts/install-deps format
	clang-format --dry-run --Werror $(SOURCES)

# The table of costs, from a Release build of its own.
bench: deps
	scripts/install-deps bench
	cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DQUILLMERE_TESTS=OFF
	cmake --build build-bench -j $(JOBS)
	build-bench/bench/quillmere_bench_report

clean:
	rm -rf $(BUILD) build-sanitize build-fuzz
