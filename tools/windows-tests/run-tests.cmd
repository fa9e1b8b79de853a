@echo off
rem Runs the Windows test pack from an elevated command prompt (README.txt).
rem   run-tests.cmd          both groups: win64 (framework, setup), win32 (framework, wlanstat)
rem   run-tests.cmd win64    one group only
rem Each test executable counts once: passed when it exits 0. Its output goes to
rem results\<group>-<test>.log and is shown here when it fails. The last line is
rem "N passed, N failed".
setlocal EnableExtensions
set pack=%~dp0
cd /d "%pack%"
set passed=0
set failed=0
set groups=%1
if "%groups%"=="" set groups=win64 win32
if exist results rmdir /s /q results
mkdir results

reg query "HKLM\Software\Wine" >nul 2>&1
if errorlevel 1 (
  net session >nul 2>&1
  if errorlevel 1 echo WARNING: this prompt is not elevated: the tests that start setup.exe or wlanstat.exe will fail.
)

for %%g in (%groups%) do call :group_%%g
echo.
echo %passed% passed, %failed% failed
if not "%failed%"=="0" exit /b 1
exit /b 0

:group_win64
echo == win64: the framework and setup (x86-64)
call :test win64 harness_probe_test "--gtest_filter=-Harness.ThePrefixMapsTheKoreanAndDialogFontsToBaekmuk"
call :test win64 framework_test ""
rem Left out: the Wine version switch (win7, win81, winxp) and the simulated card's device nodes.
call :test win64 engine_wine_test "--gtest_filter=-*/win7:*/win81:*.Windows7WithNothingInstalledFails:*.WindowsXpLaunchesNothing:PlantedDevices.*"
call :test win64 engine_dll_plant_test ""
call :test win64 animated_picture_test ""
find "this decoder" < results\win64-animated_picture_test.log
call :test win64 setup_shell_test ""
call :test win64 setup_resources_test ""
goto :eof

:group_win32
echo == win32: the framework and wlanstat (i386)
rem A machine that cannot start i386 programs runs none of this group: each counts as failed.
win32\framework_test\framework_test.exe --gtest_list_tests >nul 2>&1
if not errorlevel 1 goto win32_runs
echo NOT RUN: this machine cannot start i386 programs, so each win32 test counts as failed.
for /d %%t in (win32\*) do set /a failed+=1
goto :eof
:win32_runs
call :test win32 harness_probe_test "--gtest_filter=-Harness.ThePrefixMapsTheKoreanAndDialogFontsToBaekmuk"
call :test win32 framework_test ""
rem Left out: cases that expect a machine without a wireless interface or WLAN service, as Wine is.
call :test win32 wlanstat_info_system_test "--gtest_filter=-SystemWlan.OpensAndListsNoInterfaceUnderWine:SystemCycle.EndsWithNoAdapterAndResetsTheSelection:SystemServiceGuard.NoWlanServiceGivesZeroWithoutWaiting"
call :test win32 wlanstat_status_worker_test "--gtest_filter=-Worker.HandsOverEachCycleSynchronouslyFromOneWorker"
call :test win32 wlanstat_window_test "--gtest_filter=-StatusDialogWorker.FirstShowStartsTheWorkerAndItsUpdatesArrive"
call :test win32 wlanstat_dll_plant_test ""
call :test win32 wlanstat_resources_test ""
goto :eof

rem :test GROUP NAME "GTEST ARGUMENTS", run in the test's own folder.
:test
set log=%pack%results\%1-%2.log
if not exist "%pack%%1\%2\%2.exe" (
  echo [FAILED] %1 %2: not in the pack
  set /a failed+=1
  goto :eof
)
pushd "%pack%%1\%2"
%2.exe %~3 >"%log%" 2>&1
set code=%errorlevel%
popd
if "%code%"=="0" (
  echo [  OK  ] %1 %2
  set /a passed+=1
) else (
  type "%log%"
  echo [FAILED] %1 %2: exit code %code%, output in results\%1-%2.log
  set /a failed+=1
)
goto :eof
