#!/usr/bin/env bash
# Builds the programs and tests with AddressSanitizer and UndefinedBehaviorSanitizer into a build
# folder of their own (first argument, default build-asan) and runs the tests of the file readers,
# the match clock and the board there, ball-drive's end-to-end runs included. A fault stops the
# test that meets it, with its report, and fails the run; leaks are reported except those of the
# system libraries listed in scripts/leaks.supp.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build_dir=${1:-build-asan}
if [ ! -f "$build_dir/build.ninja" ]; then
  cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSCOREBOARD_SANITIZE=ON \
    ${CMAKE_CXX_COMPILER_LAUNCHER:+-DCMAKE_CXX_COMPILER_LAUNCHER=$CMAKE_CXX_COMPILER_LAUNCHER} >/dev/null
fi
cmake --build "$build_dir" -j "${SANITIZED_JOBS:-$(nproc)}"

# The readers of the program folder's files (settings, keys, options, archive, referees, team
# files, config.ini, pictures, stored layouts, text files in the code page), the match clock and
# the board with its panels, keys and start-up.
readers='AnsiCodec|TextReader|TextWriter|AppendTextLines|FileReplace|FileSystem|ProgramFolder|PictureFiles|PictureHeader|MatchArchiveTest'
readers+='|SettingsFileTest|KeyConfigDbLines|OptionFileTest|OptionFileWriter|MatchArchive|RefereeListFileTest|TeamFilesTest|RosterLoaderTest'
readers+='|MusicListLoaderTest|ConfigIni|RecordedDisplayModes|BrokenLayoutTest|BrokenLayoutStartTest|PropertyBagBadValue|FirstRunTest|SetSettingTest'
clock='MatchClockPeriods|MatchClockRun|MatchClockDriveTest|GameClockTest|PeriodEndTest|MainClockBoardTest|ResetMatchTest|StatusTickTest|ClockFace|ClockDialogTest'
board='BoardDriveTest|BoardLayoutTest|BoardOverlapTest|MainFormTest|ScoreKeysTest|ScoreKeysDriveTest|StartButtonDriveTest|StartupTest|CommandBarTest'
board+='|RecordViewTest|MatchRecordCountTest|DataCaptionsDriveTest|PanelsDriveTest|DisplayRoutinesTest|DisplayRoutinesWithoutBoardTest|OptionsPanelTest|ScoreDialogTest'
board+='|TitleDialogTest|TeamsDialogTest|PeriodDialogTest|KeyDialogTest|LogoChooserTest|ReplaceLogoTest'

cd "$build_dir"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1
export LSAN_OPTIONS=suppressions=$root/scripts/leaks.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
SDL_AUDIODRIVER=dummy SDL_VIDEODRIVER=dummy ctest --output-on-failure -j "$(nproc)" --timeout 600 \
  -R "^(Cases/|Sets/)?($readers|$clock|$board)[./]"
