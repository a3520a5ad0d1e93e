# The two commands of the README, and the targets around them.
#   make demo        build and convert the sample folder through the real plug-in
#   make test        set up the machine when needed, build all presets, run every suite
SHELL := /bin/bash
JOBS ?= 2
PRESETS := native win64 win32

.PHONY: all setup build test test-native test-win64 test-win32 demo screenshot package clean

all: build

setup:
	@if [ "$$(id -u)" -eq 0 ]; then bash tools/setup; else bash tools/setup --check; fi

build: setup
	@for p in $(PRESETS); do cmake --preset $$p >/dev/null && cmake --build --preset $$p -j$(JOBS) || exit 1; done

test-native: setup
	cmake --preset native >/dev/null && cmake --build --preset native -j$(JOBS)
	ctest --preset native

test-win64: setup
	cmake --preset win64 >/dev/null && cmake --build --preset win64 -j$(JOBS)
	ctest --preset win64

test-win32: setup
	cmake --preset win32 >/dev/null && cmake --build --preset win32 -j$(JOBS)
	ctest --preset win32

# The suites run one after the other: the Windows ones share one Wine desktop,
# and the dialog tests need its foreground to themselves.
test: setup
	@status=0; \
	$(MAKE) --no-print-directory test-native || status=1; \
	$(MAKE) --no-print-directory test-win64 || status=1; \
	$(MAKE) --no-print-directory test-win32 || status=1; \
	tools/wine-run --prefix build/wine --stop; \
	exit $$status

demo: setup
	cmake --preset win64 >/dev/null && cmake --build --preset win64 -j$(JOBS)
	bash tools/demo

screenshot: setup
	cmake --preset win64 >/dev/null && cmake --build --preset win64 -j$(JOBS)
	bash tools/screenshot

package: setup
	bash tools/package

clean:
	tools/wine-run --prefix build/wine --stop || true
	rm -rf build dist
