-- Runs once when loading has finished, after every window exists.
-- Small helpers for the console (open it with the grave accent key).

function help()
    print("Brindlemoor console: type Lua and press Enter.")
    print("  language('en')      switch the language")
    print("  title('text')       set the window title")
    print("  say('text')         print a line")
    print("Up and Down recall earlier lines, Tab completes from them.")
end

function language(name)
    changeLocale(name)
end

function title(text)
    setWindowTitle(text)
end

function say(text)
    print(text)
end

print("autoexec: game data ready")
