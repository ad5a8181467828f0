#pragma once

// One-time global set-up of the media libraries, run by the entry point before any reader
// exists: their log goes to Qt's message logger (category "lumavive.libav") at warning level.
// Codec registration and locking need nothing here any more: the libraries register their codecs
// statically and serialise codec opening themselves.
void initLibav();
