# The two commands of this project:
#   make run   builds everything and starts the setup under Wine
#              (make run GALLERY=1: the gallery instead, one window with
#              every control of the UI framework; scripts/run-gallery)
#   make test  installs what is missing, builds the four builds, runs all tests
#              (the shipped 32-bit setup among them, in a guest: tests/vm)
#              and checks the size budget of the i686 setup (scripts/setup-size)
#   make sign  signs both setups with a certificate of yours (scripts/sign-setup):
#              make sign PFX=cert.pfx [PASS=...]  or  make sign CERT=cert.pem KEY=key.pem
# Both do all set-up on a fresh machine (scripts/bootstrap).

BUILDS := host host-asan win64 win32
TESTED := host host-asan win64
JOBS   ?= $(shell nproc)
# VM_TESTS=0: `make test` leaves out the 32-bit build's tests in the guest
# (the win32-vm test preset, about half an hour with new Wine prefixes).
VM_TESTS ?= 1
# Seconds per fuzz target (archive and skin) in `make test` and `make fuzz`.
FUZZ_SECONDS ?= 30

.PHONY: all bootstrap configure build test test-i686 run clean fuzz bench sign

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
	if [ "$(VM_TESTS)" = 1 ]; then \
	  echo "== test win32 (in the guest)"; ctest --preset win32-vm || rc=1; \
	fi; \
	echo "== size"; scripts/setup-size --budget build/win32/app/ZephyraSetup.exe || rc=1; \
	echo "== fuzz"; fuzz/run.sh $(FUZZ_SECONDS) || rc=1; exit $$rc

# Every test of the 32-bit build, in one guest with a 64-bit prefix.
test-i686: build
	@cmake --build --preset win32 -j $(JOBS) --target i686_tests
	@scripts/vm-run --io i686_suite --timeout 7200 scripts/vm-wine win64 \
	  --desktop-probe build/win32/tests/vm/desktop_probe.exe \
	  tests/vm/guest_ctest.sh build/win32 --output-on-failure -LE vm

run: build
	@if [ -n "$(GALLERY)" ]; then scripts/run-gallery; else scripts/run-setup $(ARGS); fi

# The libFuzzer targets (archive and skin) for FUZZ_SECONDS each (clang build in build/fuzz).
fuzz: bootstrap
	@fuzz/run.sh $(FUZZ_SECONDS)

# Benchmarks: unpack figures on the host and under Wine, the drawing and
# painting ratios under Wine, then the setups' sizes per section and the
# x86_64 setup's launch to first paint against a bare window and its peak
# working set through an install (the i686 setup cannot run here). The
# launched copy has no debug information, like the shipped setups (the test
# build carries about 23 MB of it).
bench: configure
	@cmake --build --preset host -j $(JOBS) --target ydzpack inflate_floor make_payload >/dev/null
	@cmake --build --preset win32 -j $(JOBS) --target ZephyraSetup >/dev/null
	@cmake --build --preset win64 -j $(JOBS) --target ydzpack inflate_floor render_bench paint_bench \
	  ZephyraSetup launch_bench bare_window >/dev/null
	@rc=0; bench/run_unpack_bench.sh build/host build/win64 || rc=1; \
	echo "== drawing"; scripts/wine-run build/win64/tests/ui/render/render_bench.exe || rc=1; \
	echo "== painting"; scripts/wine-run build/win64/tests/ui/manager/paint_bench.exe || rc=1; \
	echo "== size"; scripts/setup-size build/win32/app/ZephyraSetup.exe build/win64/app/ZephyraSetup.exe || rc=1; \
	echo "== launch (the x86_64 setup without its debug information, as it ships)"; \
	x86_64-w64-mingw32-objcopy --strip-debug build/win64/app/ZephyraSetup.exe build/win64/bench/ZephyraSetup.exe && \
	scripts/wine-run build/win64/bench/launch_bench.exe \
	  "Z:$(CURDIR)/build/win64/bench/ZephyraSetup.exe" "Z:$(CURDIR)/build/win64/bench/bare_window.exe" || rc=1; \
	scripts/wine-session stop; exit $$rc

# Signs both setups into build/signed/<arch>/ZephyraSetup.exe with the
# certificate given as PFX (+ PASS) or CERT + KEY; see scripts/sign-setup.
sign: configure
	@cmake --build --preset win32 -j $(JOBS) --target ZephyraSetup >/dev/null
	@cmake --build --preset win64 -j $(JOBS) --target ZephyraSetup >/dev/null
	@export ZEPHYRA_SIGN_PFX='$(PFX)' ZEPHYRA_SIGN_PASS='$(PASS)' ZEPHYRA_SIGN_CERT='$(CERT)' \
	  ZEPHYRA_SIGN_KEY='$(KEY)' ZEPHYRA_SIGN_CA='$(CA)' ZEPHYRA_SIGN_TIMESTAMP='$(TIMESTAMP)'; \
	scripts/sign-setup build/win32/app/ZephyraSetup.exe build/signed/i686/ZephyraSetup.exe && \
	scripts/sign-setup build/win64/app/ZephyraSetup.exe build/signed/x86_64/ZephyraSetup.exe

clean:
	rm -rf $(addprefix build/,$(BUILDS)) build/wine build/fuzz build/vm
