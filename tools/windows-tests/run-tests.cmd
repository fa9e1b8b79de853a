@echo off
rem Runs the Windows test pack from an elevated command prompt (README.txt).
rem   run-tests.cmd               every group: win64 (framework, setup), win32 (framework,
rem                               wlanstat), media (the DPInst launch from FAT32 and exFAT)
rem   run-tests.cmd win64         one group only (win64, win32 or media)
rem   run-tests.cmd media FOLDER  the DPInst launch from a medium of the tester's (a USB
rem                               stick's folder, E:\ ...), which the test must be able to write
rem Each test executable counts once: passed when it exits 0 having run a test, within
rem its time limit. Its output goes to results\<group>-<test>.log and is shown here when
rem it fails. The last line is "N passed, N failed"; a run that ran no test fails.
setlocal EnableExtensions
rem pushd, not cd: from a share it maps the folder to a drive letter for the run.
pushd "%~dp0"
set "pack=%CD%"
if not "%pack:~-1%"=="\" set "pack=%pack%\"
rem The system's tools by their paths too: nothing in the pack's folder stands in for them.
set "sys=%SystemRoot%\System32\"
if exist "%pack%run-tests.cmd" goto in_pack
echo FAILED: cannot make %~dp0 the current folder
exit /b 1
:in_pack
set passed=0
set failed=0
set skipped=0
set "groups=%~1"
set "medium=%~2"
if "%groups%"=="" set groups=win64 win32 media
if exist "%pack%results" rmdir /s /q "%pack%results"
mkdir "%pack%results"

set wine=0
"%sys%reg.exe" query "HKLM\Software\Wine" >nul 2>&1
if not errorlevel 1 set wine=1
set elevated=1
if "%wine%"=="0" "%sys%net.exe" session >nul 2>&1
if errorlevel 1 set elevated=0
if "%elevated%"=="0" echo WARNING: this prompt is not elevated: the tests that start setup.exe or wlanstat.exe, and the media group, will fail.

rem Wine's cmd misreads an if nested before a block, and runs what follows && or ||
rem whatever came before: plain gotos instead.
if "%medium%"=="" goto run_groups
if /i "%groups%"=="media" goto run_groups
echo [FAILED] a folder is named only after the media group: run-tests.cmd media FOLDER
set /a failed+=1
set groups=
:run_groups
for %%g in (%groups%) do call :group %%g
echo.
set /a ran=passed+failed
if not "%ran%"=="0" goto summary
echo FAILED: no test ran
set failed=1
:summary
if not "%skipped%"=="0" echo %skipped% not run here; see the SKIPPED lines above
echo %passed% passed, %failed% failed
popd
if not "%failed%"=="0" exit /b 1
exit /b 0

:group
if /i "%1"=="win64" goto group_win64
if /i "%1"=="win32" goto group_win32
if /i "%1"=="media" goto group_media
echo [FAILED] no group "%1": the groups are win64, win32 and media
set /a failed+=1
goto :eof

:group_win64
echo == win64: the framework and setup (x86-64)
call :test win64 harness_probe_test "--gtest_filter=-Harness.ThePrefixMapsTheKoreanAndDialogFontsToBaekmuk"
call :test win64 framework_test ""
rem Left out: the Wine version switch (win7, win81, winxp) and the simulated card's device nodes.
call :test win64 engine_wine_test "--gtest_filter=-*/win7:*/win81:*.Windows7WithNothingInstalledFails:*.WindowsXpLaunchesNothing:PlantedDevices.*"
call :test win64 engine_dll_plant_test ""
call :test win64 animated_picture_test ""
"%sys%find.exe" "this decoder" < "%pack%results\win64-animated_picture_test.log"
call :test win64 setup_shell_test ""
call :test win64 setup_resources_test ""
goto :eof

:group_win32
echo == win32: the framework and wlanstat (i386)
rem A machine that cannot start i386 programs runs none of this group: each counts as failed.
"%pack%win32\framework_test\framework_test.exe" --gtest_list_tests >nul 2>&1
if not errorlevel 1 goto win32_runs
echo NOT RUN: this machine cannot start i386 programs, so each win32 test counts as failed.
for /d %%t in ("%pack%win32\*") do set /a failed+=1
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

rem The DPInst launch from the media buyers carry: engine_wine_test copied onto the
rem volume, making its media folders there (QUORIX_MEDIA_ROOT), with the cases a
rem medium changes: the signed stand-in starts with the exact line, the unsigned,
rem foreign, stray-root and altered ones and one being written do not, none at all fails.
:group_media
if "%medium%"=="" echo == media: the DPInst launch from FAT32 and exFAT volumes
if not "%medium%"=="" echo == media: the DPInst launch from %medium%
set "media_filter=--gtest_filter=*SupportedWindows.*/win10:InstallWorkerUnderWine.Windows10SucceedsWhenNothingWasInstalled:InstallWorkerUnderWine.MissingDpinstFailsAtOnce:InstallWorkerUnderWine.StartsNoDpinst*"
if "%medium%"=="" goto media_vhd
call :on_medium folder "%medium%"
goto :eof
:media_vhd
if exist "%sys%diskpart.exe" goto media_volumes
echo SKIPPED: media fat32 and exfat: this system has no diskpart to make the volumes (Wine has none);
echo          a folder on a medium runs the same test: run-tests.cmd media FOLDER
set /a skipped+=2
goto :eof
:media_volumes
if "%elevated%"=="1" goto media_elevated
echo [FAILED] media fat32, exfat: diskpart needs an elevated prompt
set /a failed+=2
goto :eof
:media_elevated
call :volume fat32
call :volume exfat
goto :eof

rem :volume FS: a 100 MB VHD formatted FS under a free drive letter, the test on it,
rem and the VHD detached and deleted again whatever the test did.
:volume
set "vhd=%ProgramData%\quorix-test-media-%1.vhd"
set "script=%pack%results\media-%1-diskpart.txt"
set "dplog=%pack%results\media-%1-diskpart.log"
if exist "%vhd%" call :volume_remove %1
set letter=
for %%l in (Q R S T U V W X Y) do if not defined letter call :free_letter %%l
if defined letter goto volume_letter
echo [FAILED] media %1: no free drive letter among Q to Y
set /a failed+=1
goto :eof
:volume_letter
> "%script%" echo create vdisk file="%vhd%" maximum=100 type=expandable
>>"%script%" echo select vdisk file="%vhd%"
>>"%script%" echo attach vdisk
>>"%script%" echo create partition primary
>>"%script%" echo format fs=%1 quick label=QX%1
>>"%script%" echo assign letter=%letter%
"%sys%diskpart.exe" /s "%script%" >"%dplog%" 2>&1
if errorlevel 1 goto volume_failed
set tries=0
:volume_wait
if exist %letter%:\ goto volume_ready
set /a tries+=1
if %tries% geq 20 goto volume_failed
"%sys%ping.exe" -n 2 127.0.0.1 >nul
goto volume_wait
:volume_failed
type "%dplog%"
echo [FAILED] media %1: diskpart could not make the volume; its output is in results\media-%1-diskpart.log
set /a failed+=1
call :volume_remove %1
goto :eof
:volume_ready
call :on_medium %1 %letter%:\
call :volume_remove %1
goto :eof

:volume_remove
> "%script%" echo select vdisk file="%vhd%"
>>"%script%" echo detach vdisk
"%sys%diskpart.exe" /s "%script%" >>"%dplog%" 2>&1
if exist "%vhd%" del /f /q "%vhd%"
if exist "%vhd%" echo WARNING: %vhd% is still there: detach it in Disk Management and delete it
goto :eof

rem :free_letter L: L is taken when it names anything, an empty card reader too
rem (mountvol names its volume).
:free_letter
if exist %1:\ goto :eof
"%sys%mountvol.exe" %1:\ /L 2>nul | "%sys%find.exe" "Volume{" >nul
if not errorlevel 1 goto :eof
set letter=%1
goto :eof

rem :on_medium LABEL ROOT: the launch test copied to ROOT and run from there.
:on_medium
set "root=%~2"
if not "%root:~-1%"=="\" set "root=%root%\"
set "copy=%root%quorix-media-test"
if exist "%copy%" rmdir /s /q "%copy%"
mkdir "%copy%" 2>nul
if exist "%copy%\" goto medium_writable
echo [FAILED] media %1: cannot write to %root% (read-only? see README.txt)
set /a failed+=1
goto :eof
:medium_writable
copy /y "%pack%win64\engine_wine_test\*" "%copy%\" >nul
set "QUORIX_MEDIA_ROOT=%root%"
call :run media %1 "%copy%" engine_wine_test "%media_filter%"
set QUORIX_MEDIA_ROOT=
rmdir /s /q "%copy%"
goto :eof

rem :test GROUP NAME "GTEST ARGUMENTS": the packed test GROUP\NAME\NAME.exe.
:test
call :run %1 %2 "%pack%%1\%2" %2 %3
goto :eof

rem :run GROUP LABEL FOLDER NAME "GTEST ARGUMENTS": FOLDER\NAME.exe by its full path,
rem in FOLDER, ended after its time limit (time-limit.txt beside it; 600 s without one).
:run
set "log=%pack%results\%1-%2.log"
set "exe=%~3\%4.exe"
if exist "%exe%" goto run_found
echo [FAILED] %1 %2: not in the pack
set /a failed+=1
goto :eof
:run_found
set limit=600
if exist "%~3\time-limit.txt" set /p limit=<"%~3\time-limit.txt"
pushd "%~3"
"%pack%time_limit.exe" %limit% "%exe%" %~5 >"%log%" 2>&1
set code=%errorlevel%
popd
rem A filter that selects nothing passes in gtest: here it ran no test.
if not "%code%"=="0" goto run_failed
"%sys%find.exe" "[  PASSED  ] 0 tests." <"%log%" >nul
if errorlevel 1 goto run_passed
set code=none
:run_failed
type "%log%"
if "%code%"=="124" echo [FAILED] %1 %2: still running after %limit% s, ended; output in results\%1-%2.log
if "%code%"=="none" echo [FAILED] %1 %2: its filter selected no test; output in results\%1-%2.log
if not "%code%"=="124" if not "%code%"=="none" echo [FAILED] %1 %2: exit code %code%, output in results\%1-%2.log
set /a failed+=1
goto :eof
:run_passed
echo [  OK  ] %1 %2
set /a passed+=1
goto :eof
