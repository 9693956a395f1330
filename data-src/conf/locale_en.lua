-- English texts, by key. Keys used before any locale script has run default
-- to their own name; this table gives them proper wording.

-- Message box and common words.
setLocale("Ok", "OK")
setLocale("Cancel", "Cancel")
setLocale("Yes", "Yes")
setLocale("No", "No")
setLocale("Ignore", "Ignore")
setLocale("Abort", "Abort")
setLocale("Help", "Help")
setLocale("Information", "Information")
setLocale("Warning", "Warning")
setLocale("Error", "Error")
setLocale("Player", "Player")

-- The window title.
setLocale("GameTitle", "Brindlemoor")

-- The six spells sold at the altars.
setLocale("SpellFieldFast", "Swift Harvest")
setLocale("SpellWorkerFast", "Busy Hands")
setLocale("SpellWaterFreeze", "Ice Path")
setLocale("SpellTreeRestore", "Regrowth")
setLocale("SpellEnemyFreeze", "Frozen Foes")
setLocale("SpellShield", "Guardian Shield")
