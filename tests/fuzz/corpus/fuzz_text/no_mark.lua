x = 'utf-8'
