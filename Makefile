# The two commands of the README: `make run` and `make test`.
SHELL := /bin/bash
BUILD := build
JOBS ?= $(shell nproc)

.PHONY: run run-saver test bootstrap native windows windows64 fuzz clean format

bootstrap:
	@scripts/bootstrap $(BUILD)

native: bootstrap
	@cmake --preset native >/dev/null
	@cmake --build --preset native -j $(JOBS)

windows: bootstrap
	@cmake --preset windows >/dev/null
	@cmake --build --preset windows -j $(JOBS)

windows64: bootstrap
	@cmake --preset windows64 >/dev/null
	@cmake --build --preset windows64 -j $(JOBS)

fuzz: bootstrap
	@cmake --preset fuzz >/dev/null
	@cmake --build --preset fuzz -j $(JOBS)

# Build everything, pack the sample screensaver into the stub and run it.
run: native windows windows64
	@scripts/run-sample $(BUILD)

# The sample screensaver (KestrovaSaver.scr with the sample movie) full screen.
run-saver: native windows windows64
	@scripts/run-saver $(BUILD)

# Every test: native, under Wine, the fuzz smoke runs and the end-to-end run.
test: native windows windows64 fuzz
	@scripts/test-all $(BUILD)

format:
	@clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD)
