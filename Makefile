# Two commands do all the set-up: `make run` and `make test`.
BUILD      ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS       ?= $(shell nproc)
ARGS       ?=

.PHONY: deps configure build run test test-asan bench fuzz install clean

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_EXTRA) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

# Only the program: the tests are built by `make test`.
run: configure
	@cmake --build $(BUILD) -j $(JOBS) --target zorvel
	$(BUILD)/zorvel $(ARGS)

test: build
	@scripts/install-deps --test
	QT_QPA_PLATFORM=offscreen ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# The whole suite again in a debug build with AddressSanitizer and UBSan.
test-asan:
	@$(MAKE) --no-print-directory test BUILD=build-asan BUILD_TYPE=Debug CMAKE_EXTRA=-DZORVEL_ASAN=ON

# The viewer engine's one summary table of speed and memory on real documentation pages,
# then the other subsystems' benchmarks (the viewer's closer looks are run by hand).
bench:
	@scripts/install-deps --bench
	@cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DZORVEL_BENCH=ON -DZORVEL_TESTS=OFF >/dev/null
	@cmake --build build-bench -j $(JOBS)
	QT_QPA_PLATFORM=offscreen build-bench/bench/viewer/bench_viewer_summary
	@for b in $$(find build-bench/bench -maxdepth 2 -type f -name "bench_*" -perm -u+x -not -path "*/viewer/*"); do QT_QPA_PLATFORM=offscreen "$$b"; done

fuzz: deps
	@scripts/install-deps --fuzz
	@CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=Debug -DZORVEL_TESTS=OFF >/dev/null
	@cmake --build build-fuzz -j $(JOBS) --target fuzz_parser fuzz_layout
	build-fuzz/fuzz/fuzz_parser -max_total_time=$${FUZZ_SECONDS:-60} -timeout=5 -rss_limit_mb=4096 -dict=fuzz/html.dict build-fuzz/fuzz/fuzz_parser-corpus fuzz/corpus
	build-fuzz/fuzz/fuzz_layout -max_total_time=$${FUZZ_SECONDS:-60} -timeout=5 -rss_limit_mb=4096 -dict=fuzz/html.dict build-fuzz/fuzz/fuzz_layout-corpus fuzz/corpus

install: build
	cmake --install $(BUILD)

clean:
	rm -rf build build-asan build-bench build-fuzz
