# Thin wrapper over CMake: `make run` builds and starts the suite, `make test`
# builds and runs every test headlessly. Both install missing packages first.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: run test build deps configure bench clean

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

bench: build
	@for b in $(BUILD)/bench/bench_*; do [ -x "$$b" ] && QT_QPA_PLATFORM=offscreen "$$b"; done

clean:
	@rm -rf $(BUILD)
