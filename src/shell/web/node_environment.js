// SPDX-License-Identifier: GPL-3.0-or-later
// Under node, kovrel-term sees the caller's environment as the native program does. emscripten's
// own defaults (a UTF-8 LANG, a made-up user and home) would change what a batch run prints.
Module['preRun'] = [].concat(Module['preRun'] || [], function () {
  for (const name of ['USER', 'LOGNAME', 'PATH', 'PWD', 'HOME', 'LANG', '_']) ENV[name] = undefined;
  Object.assign(ENV, process.env);
});
