# The two commands of this project:
#   make run   builds everything and starts the setup under Wine
#              (make run GALLERY=1: the gallery instead, one window with
#              every control of the UI framework; scripts/run-gallery)
#   make test  installs what is missing, builds the four builds, runs all tests
# Both do all set-up on a fresh machine (scripts/bootstrap).

BUILDS := host host-asan win64 win32
TESTED := host host-asan win64
JOBS   ?= $(shell nproc)
# Seconds per fuzz target (archive and skin) in `make test` and `make fuzz`.
FUZZ_SECONDS ?= 30

.PHONY: all bootstrap configure build test run clean fuzz bench

all: build

bootstrap:
	@scripts/bootstrap

configure: bootstrap
	@for p in $(BUILDS); do \
	  [ -f build/$$p/CMakeCache.txt ] || cmake --preset $$p >/dev/null || exit 1; \
	done

build: configure
	@for p in $(BUILDS); do \
	  echo "== build $$p"; cmake --build --preset $$p -j $(JOBS) || exit 1; \
	done

test: build
	@rc=0; for p in $(TESTED); do \
	  echo "== test $$p"; ctest --preset $$p || rc=1; \
	done; scripts/wine-session stop; \
	echo "== fuzz"; fuzz/run.sh $(FUZZ_SECONDS) || rc=1; exit $$rc

run: build
	@if [ -n "$(GALLERY)" ]; then scripts/run-gallery; else scripts/run-setup $(ARGS); fi

# The libFuzzer targets (archive and skin) for FUZZ_SECONDS each (clang build in build/fuzz).
fuzz: bootstrap
	@fuzz/run.sh $(FUZZ_SECONDS)

# Benchmarks: unpack figures on the host and under Wine, then the drawing and
# painting ratios under Wine.
bench: configure
	@cmake --build --preset host -j $(JOBS) --target ydzpack inflate_floor make_payload >/dev/null
	@cmake --build --preset win64 -j $(JOBS) --target ydzpack inflate_floor render_bench paint_bench >/dev/null
	@rc=0; bench/run_unpack_bench.sh build/host build/win64 || rc=1; \
	echo "== drawing"; scripts/wine-run build/win64/tests/ui/render/render_bench.exe || rc=1; \
	echo "== painting"; scripts/wine-run build/win64/tests/ui/manager/paint_bench.exe || rc=1; \
	scripts/wine-session stop; exit $$rc

clean:
	rm -rf $(addprefix build/,$(BUILDS)) build/wine build/fuzz
