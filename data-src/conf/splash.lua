-- The splash sequence: our studio's card, then the game's title card.
-- Placements are in the splash's 800 x 600 screen, origin at the bottom left.
function FillSplash(splash)
    setSplashBackColor(splash, 1.0, 0.965, 0.89)

    local studio = addSplashNode(splash, 3.0)
    addSplashNodeImage(studio, "splash_vantrel", 200, 100, 400, 400)

    local title = addSplashNode(splash, 3.5)
    addSplashNodeImage(title, "splash_title", 0, 0, 800, 600)
end
