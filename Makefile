# Thin wrapper over CMake: `make run` builds and starts the suite, `make test`
# builds and runs every test headlessly. Both install missing packages first.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: run test test-sanitize build deps configure bench clean install

deps:
	@./scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

run: build
	@$(BUILD)/orrinvale

test: build
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

# Every test again, built with AddressSanitizer and UndefinedBehaviorSanitizer
# in a folder of its own (no benchmarks or fuzzers). -O1 keeps the build and
# the runs quick; -g1 still names file and line in a report. Any report fails
# the run: UBSan stops at the first one and ASan exits non-zero. Leak checking
# stays on, with the allocations the system font library keeps for the life
# of the process suppressed (scripts/lsan.supp). ASan's guard zones make every
# stack frame several times larger, so the tests get a 64 MB stack: the script
# engine's nesting limits are counted for the plain build's 8 MB.
SANITIZE_BUILD ?= build-sanitize
SANITIZE_ENV = QT_QPA_PLATFORM=offscreen \
	ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:detect_stack_use_after_return=0 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan.supp:print_suppressions=0 \
	UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
test-sanitize: deps
	@cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORR_SANITIZE=ON -DORR_BENCH=OFF \
		-DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG" >/dev/null
	@cmake --build $(SANITIZE_BUILD) -j$(JOBS)
	@cd $(SANITIZE_BUILD) && ulimit -s 65536 && $(SANITIZE_ENV) ctest --output-on-failure -j$(JOBS)

# Installs the suite as a desktop application under PREFIX: the program in
# bin, the contents index in share/orrinvale, the desktop entry and the icon.
PREFIX ?= $(HOME)/.local
install: configure
	@cmake --build $(BUILD) -j$(JOBS) --target orrinvale
	@cmake --install $(BUILD) --prefix $(PREFIX)

bench: build
	@for b in $(BUILD)/bench/bench_*; do [ -x "$$b" ] && QT_QPA_PLATFORM=offscreen "$$b"; done

clean:
	@rm -rf $(BUILD)
