# The front door. Every target installs what it needs first (idempotently).
#   make demo    build the packer and updater.exe, run an update under Wine
#   make test    every test: host, fuzz smoke, Wine
#   make bench   codec and update figures
#   make fuzz    run the fuzzers (FUZZ_SECONDS each, default 600)
#   make tools   build build/bin/payload-pack
#   make updater build build/bin/updater.exe (payloads from PAYLOAD_DIR, or samples)

SHELL := /bin/bash
MAKEFLAGS += --no-print-directory
PAYLOAD_DIR ?=
FUZZ_SECONDS ?= 600
JOBS ?= 2

.PHONY: all demo test test-host test-fuzz test-wine bench fuzz tools updater host windows fuzz-build deps deps-host clean

all: tools

deps-host:
	@scripts/install-deps.sh host

deps:
	@scripts/install-deps.sh all

host: deps-host
	@cmake --preset host >/dev/null
	@cmake --build --preset host -j $(JOBS)

tools: host

fuzz-build: deps-host
	@cmake --preset fuzz >/dev/null
	@cmake --build --preset fuzz -j $(JOBS)

windows updater: deps host
	@cmake --preset windows -DPAYLOAD_DIR="$(PAYLOAD_DIR)" -DPAYLOAD_PACK="$(CURDIR)/build/bin/payload-pack" >/dev/null
	@cmake --build --preset windows -j $(JOBS)

test: test-host test-fuzz test-wine

test-host: host
	@ctest --preset host

test-fuzz: fuzz-build
	@scripts/run-fuzzers.sh 20

test-wine: updater
	@ctest --preset windows

bench: host updater
	@scripts/bench.sh

fuzz: fuzz-build
	@scripts/run-fuzzers.sh $(FUZZ_SECONDS)

demo: updater
	@scripts/demo.sh

clean:
	rm -rf build
