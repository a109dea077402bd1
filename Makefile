# The two commands: `make run` and `make test`. Both install what is missing first.
BUILD   ?= build
WERROR  ?= OFF
JOBS    ?= 2

.PHONY: all deps configure build run test bench package test-sanitize fuzz clean

all: build

deps:
	@tools/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja -DQUARNEL_WERROR=$(WERROR) >/dev/null

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

run: build
	@$(BUILD)/quarnel

test: build
	@cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

# Benchmarks, packaging and the sanitizer and fuzz runs each live in a script of their own.
bench: build
	@tools/bench.sh $(BUILD)

package: build
	@tools/package.sh $(BUILD)

test-sanitize: deps
	@tools/test-sanitize.sh

fuzz: deps
	@tools/fuzz.sh

clean:
	rm -rf $(BUILD)
