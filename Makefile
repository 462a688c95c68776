# The two commands of this project:
#   make run   builds everything and starts the setup under Wine
#   make test  installs what is missing, builds the four builds, runs all tests
# Both do all set-up on a fresh machine (scripts/bootstrap).

BUILDS := host host-asan win64 win32
TESTED := host host-asan win64
JOBS   ?= $(shell nproc)

.PHONY: all bootstrap configure build test run clean

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
	done; scripts/wine-session stop; exit $$rc

run: build
	@scripts/run-setup $(ARGS)

clean:
	rm -rf $(addprefix build/,$(BUILDS)) build/wine
