#!/usr/bin/env bash
# Exits 0 when this machine can run i386 Windows programs under Wine: Wine's
# 32-bit loader is a 32-bit Linux program, which a kernel without 32-bit
# support refuses ("Exec format error").
/usr/lib/wine/wine --version >/dev/null 2>&1
